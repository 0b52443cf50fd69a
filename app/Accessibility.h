// What assistive technology reads for the main window's controls. Fields,
// lists, pages and tab rows have no caption of their own, so each takes a
// name from the label beside it; buttons and boxes with a caption keep it,
// so a caption that changes ("Start"/"Stop") is read as it changes.
#pragma once

#include <span>

namespace app {

class frmMain;

struct AccessibleText {
    const char* control;
    const char* name; // nullptr: the control's own caption is its name
    const char* description; // nullptr when the name says enough
    const char* label; // the neighbouring label the name comes from, or nullptr
};

std::span<const AccessibleText> accessibleTexts();

// Applies the table to a built window: names, descriptions, and each label
// made the buddy of the control it names, which screen readers report as the
// control's label.
void makeAccessible(frmMain& window);

} // namespace app
