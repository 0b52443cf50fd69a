// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenURL.h"

#include "platform/Platform.h"

namespace OpenURL {

void openWebPage()
{
    try {
        // The result is not looked at: a page that does not open is not reported.
        platform::current().shellExecute(0, "open", WebPageAddress, "", "", platform::show::Normal);
    } catch (...) {
    }
}

} // namespace OpenURL
