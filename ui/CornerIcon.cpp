// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CornerIcon.h"

#include "runtime/Controls.h"

namespace ui {
namespace {

struct IconStep {
    int left, top, width, height;
};

// The corner icon's rectangle at steps 1 to 10; step 6 also exchanges the picture.
constexpr IconStep steps[10] = {
    {300, 100, 1650, 1650}, // the old icon moves off the corner
    {300, 700, 1100, 1100}, // shrinking and sinking
    {200, 1300, 800, 800},
    {100, 1600, 500, 500},
    {0, 1800, 200, 200}, // smallest, at the column's left edge
    {0, 0, 300, 500}, // the new picture, not square for this one step
    {0, 0, 800, 800}, // growing back in the corner
    {0, 0, 1100, 1100},
    {0, 0, 1400, 1400},
    {0, 0, 1650, 1650},
};

} // namespace

void CornerIcon::Timer4_Timer() { tick(clickerIconStep, c_.Timer4, c_.Picture1); }
void CornerIcon::Timer5_Timer() { tick(shutdownIconStep, c_.Timer5, c_.Picture3); }
void CornerIcon::Timer6_Timer() { tick(aboutIconStep, c_.Timer6, c_.Picture4); }

void CornerIcon::tick(std::int16_t& step, runtime::Timer& timer, const runtime::PictureBox& source)
{
    ++step;
    if (step >= 1 && step <= 10) {
        if (step == IconPictureStep)
            c_.I.setPicture(source.picture());
        const IconStep& row = steps[step - 1];
        c_.I.setLeft(row.left);
        c_.I.setTop(row.top);
        c_.I.setWidth(row.width);
        c_.I.setHeight(row.height);
    }
    if (step == IconLastStep) {
        timer.setEnabled(false);
        step = 0;
    }
}

} // namespace ui
