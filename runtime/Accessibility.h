// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads for the windows and their controls. Fields,
// lists, pages and tab rows have no caption of their own, so each takes a
// name from the label beside it; buttons and boxes with a caption keep it,
// so a caption that changes ("Start"/"Stop") is read as it changes. The tab
// rows are page tabs and the About link a link, each with a press action
// that clicks it; rectangles, picture stores and labels that repeat a tab
// are left out of the tree.
#pragma once

#include <QHash>
#include <QString>

#include <span>

class QWidget;

namespace runtime {

struct AccessibleText {
    const char* control;
    const char* name; // nullptr: the control's own caption is its name
    const char* description; // nullptr when the name says enough
    const char* label; // the neighbouring label the name comes from, or nullptr
};

std::span<const AccessibleText> accessibleTexts();

// Gives the windows (each a Form) and controls their roles, actions and children; takes
// effect for controls created afterwards, so it runs before the first window.
void installAccessibleRoles();

// Applies the table to a built window's controls: names, descriptions, and
// each label made the buddy of the control it names, which screen readers
// report as the control's label.
void makeAccessible(const QHash<QString, QWidget*>& controls);

} // namespace runtime
