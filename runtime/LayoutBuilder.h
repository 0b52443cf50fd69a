// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's layout as data, one row per control in stacking order within
// its container (first row frontmost), geometry in twips; and the builder
// that makes the controls from it.
#pragma once

#include <QHash>
#include <QString>

#include <span>

class QWidget;

namespace runtime {

namespace layout {

enum class Kind {
    PictureBox,
    Label,
    TextBox,
    ComboBox,
    CommandButton,
    OptionButton,
    CheckBox,
    Image,
    Shape
};

enum Flag : unsigned {
    Hidden = 1u << 0,
    Selected = 1u << 1, // option button
    Ticked = 1u << 2, // check box
    AutoSize = 1u << 3,
    Stretch = 1u << 4,
    NoBorder = 1u << 5,
    Transparent = 1u << 6, // label background not painted
};

struct Font {
    const char* face = nullptr; // nullptr: the container's font
    int hundredthsOfPoint = 0;
    bool bold = false;
    bool underline = false;
};

struct Control {
    const char* name;
    Kind kind;
    const char* container; // the window (Table::window) or the name of a picture box
    const char* caption; // caption or text; list items separated by '|'
    int left, top, width, height;
    Font font;
    const char* foreColor; // text colour, or nullptr for the system's
    const char* backColor; // background or fill, nullptr when not drawn
    const char* borderColor; // rectangles only, nullptr when not drawn
    unsigned flags;
    const char* picture; // resource path, or nullptr
    int tabIndex; // -1 for controls without one
};

struct TimerSpec {
    const char* name;
    const char* container;
    int intervalMs;
    bool enabled;
    // Only the click rhythm and the short animations ask for a precise timer:
    // on Windows each one holds the system's timer resolution at 1 ms while
    // it runs, and coarse timers share their wake-ups.
    bool precise;
};

// A window's whole table; rows whose container is `window` lie on the window itself.
struct Table {
    const char* window;
    std::span<const Control> controls;
    std::span<const TimerSpec> timers;
};

// Point size in pixels at 96 dpi, the resolution the layout was drawn for.
constexpr int pixelSize(int hundredthsOfPoint) { return (hundredthsOfPoint * 4 + 150) / 300; }

} // namespace layout

class Timer;

struct BuiltLayout {
    QHash<QString, QWidget*> controls;
    QHash<QString, Timer*> timers;
};

BuiltLayout buildLayout(QWidget& window, const layout::Table& table);

} // namespace runtime
