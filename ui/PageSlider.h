// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tabs of the left column and the slide that brings the chosen page in
// from the left while the page on show leaves to the right.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace runtime {
class Image;
class PictureBox;
class Shape;
class Timer;
} // namespace runtime

namespace ui {

inline constexpr int PageDistance = 6015;

// The tab, 0 "Mouse" to 2 "About" down the column, that opens page 1 to 3.
int tabOfPage(std::int16_t page);

inline constexpr int SlideSteps = 22;

class PageSlider {
public:
    struct Controls {
        std::array<runtime::PictureBox*, 4> hitPict; // indexed 1 to 3
        std::array<runtime::Image*, 3> imgIC; // indexed 0 to 2
        runtime::Shape& Shape4;
        runtime::Timer& Timer1;
        std::array<runtime::Timer*, 3> iconTimers; // Timer4, Timer5, Timer6
    };

    explicit PageSlider(Controls controls)
        : c_(controls)
    {
    }

    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void imgIC_Click(std::int16_t index);
    void Timer1_Timer();

    // Asked before a switch away from the page on show, whatever asks for
    // the switch; false refuses it.
    void setLeaveCheck(std::function<bool(runtime::PictureBox& page)> mayLeave)
    {
        mayLeave_ = std::move(mayLeave);
    }

    std::int16_t selectedPage = 0;
    std::int16_t currentPage = 0;
    bool isSliding = false;
    std::int16_t slideStep = 0;

private:
    void tabClick(int tab);

    Controls c_;
    std::function<bool(runtime::PictureBox&)> mayLeave_;
};

} // namespace ui
