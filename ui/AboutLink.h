// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About page's link: minimize the window, then ask the system to open
// the web page with its default handler.
#pragma once

#include <functional>

namespace ui {

class AboutLink {
public:
    explicit AboutLink(std::function<void(int)> setWindowState)
        : setWindowState_(std::move(setWindowState))
    {
    }
    void Label25_Click();

private:
    std::function<void(int)> setWindowState_;
};

} // namespace ui
