// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The band that follows the pointer over the tab rows of the left column, and
// hides when the pointer moves over the background, the corner icon or the
// About page's picture.
#pragma once

#include <array>
#include <cstdint>

namespace runtime {
class Image;
class Shape;
} // namespace runtime

namespace ui {

class HoverBand {
public:
    struct Controls {
        runtime::Shape& Shape3;
        std::array<runtime::Image*, 3> imgIC;
    };

    explicit HoverBand(Controls controls)
        : c_(controls)
    {
    }

    void imgIC_MouseMove(std::int16_t index);
    void Form_MouseMove() { hide(); }
    void I_MouseMove() { hide(); }
    void Image1_MouseMove() { hide(); }

private:
    void hide();

    Controls c_;
};

} // namespace ui
