// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The corner icon of the left column: it shrinks away and grows back as the
// chosen page's icon.
#pragma once

#include <cstdint>

namespace runtime {
class Image;
class PictureBox;
class Timer;
} // namespace runtime

namespace ui {

inline constexpr int IconPictureStep = 6;
inline constexpr int IconLastStep = 21;

class CornerIcon {
public:
    struct Controls {
        runtime::Image& I;
        runtime::PictureBox& Picture1; // clicker page icon
        runtime::PictureBox& Picture3; // shutdown page icon
        runtime::PictureBox& Picture4; // About page icon
        runtime::Timer& Timer4;
        runtime::Timer& Timer5;
        runtime::Timer& Timer6;
    };

    explicit CornerIcon(Controls controls)
        : c_(controls)
    {
    }

    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();

    std::int16_t clickerIconStep = 0;
    std::int16_t shutdownIconStep = 0;
    std::int16_t aboutIconStep = 0;

private:
    void tick(std::int16_t& step, runtime::Timer& timer, const runtime::PictureBox& source);

    Controls c_;
};

} // namespace ui
