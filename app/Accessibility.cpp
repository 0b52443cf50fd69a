#include "Accessibility.h"

#include "Controls.h"
#include "frmMain.h"

namespace app {
namespace {

// clang-format off
constexpr AccessibleText table[] = {
    // control               name                           description                                       label
    {"picNew",               "Pages",                       "Mouse, System and About",                        nullptr},
    {"imgIC(0)",             "Mouse",                       "Show the clicker page",                          "Label1"},
    {"imgIC(1)",             "System",                      "Show the shutdown timer page",                   "Label2"},
    {"imgIC(2)",             "About",                       "Show the About page",                            "Label3"},
    {"I",                    "Page icon",                   nullptr,                                          nullptr},
    {"hitPict(1)",           "About page",                  nullptr,                                          nullptr},
    {"hitPict(2)",           "Mouse page",                  "Click the mouse at a set interval",              nullptr},
    {"hitPict(3)",           "System page",                 "Shut down, restart or log off after a set time", nullptr},

    {"Image2",               "Current position",            "Clicks go where the pointer is",                 "Label13"},
    {"Combo3",               "Preset",                      "Interval preset",                                "Label5"},
    {"Text1",                "Interval minutes",            nullptr,                                          "Label4"},
    {"Text2",                "Interval seconds",            nullptr,                                          "Label19"},
    {"Text3",                "Interval tenths of a second", nullptr,                                          "Label20"},
    {"Option1",              nullptr,                       "Repeat until stopped",                           nullptr},
    {"Option2",              nullptr,                       "Stop after a number of minutes or clicks",       nullptr},
    {"Text4",                "Stop after minutes",          nullptr,                                          "Label10"},
    {"Text5",                "Stop after clicks",           nullptr,                                          "Label7"},
    {"Combo1",               "Button",                      "Mouse button to click",                          "Label14"},
    {"Combo2",               "Action",                      "Single or double click",                         "Label11"},
    {"cmdStart",             nullptr,                       "Start or stop clicking (F9)",                    nullptr},

    {"Image1",               "Vantrel",                     nullptr,                                          nullptr},
    {"Label25",              nullptr,                       "Opens the web page in the browser",              nullptr},

    {"Combo4",               "Task",                        "Shutdown, restart or log off",                   "Label18"},
    {"Check1",               nullptr,                       "Bring the window back five minutes before",      nullptr},
    {"Text6",                "Hours",                       "Hours until the task runs",                      "Label23"},
    {"Text7",                "Minutes",                     "Minutes until the task runs",                    "Label22"},
    {"cmdStartShtdwnTimer",  nullptr,                       "Start or stop the shutdown timer",               nullptr},
};
// clang-format on

} // namespace

std::span<const AccessibleText> accessibleTexts() { return table; }

void makeAccessible(frmMain& window)
{
    for (const auto& row : table) {
        QWidget* control = window.find(QString::fromLatin1(row.control));
        if (control == nullptr)
            continue;
        if (row.name != nullptr)
            control->setAccessibleName(QString::fromLatin1(row.name));
        if (row.description != nullptr)
            control->setAccessibleDescription(QString::fromLatin1(row.description));
        if (row.label != nullptr)
            if (auto* label = dynamic_cast<Label*>(window.find(QString::fromLatin1(row.label))))
                label->setBuddy(control);
    }
}

} // namespace app
