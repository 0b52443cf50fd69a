#include "OpenURL.h"

#include "platform/Platform.h"

namespace OpenURL {

void openWebPage()
{
    try {
        // The result is not looked at: a page that does not open is not reported.
        platform::current().shellExecute(
            0, "open", WebPageAddress, "", "", platform::SW_SHOWNORMAL);
    } catch (...) {
    }
}

} // namespace OpenURL

namespace ui {

void AboutLink::Label25_Click()
{
    // Minimized first, so the browser comes up in front of nothing of ours.
    // Whatever fails ends the click quietly.
    try {
        setWindowState_(1);
        OpenURL::openWebPage();
    } catch (...) {
    }
}

} // namespace ui
