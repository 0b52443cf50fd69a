// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The speed presets, the numeric check of the clicker fields, and the choice
// of "Stop after" as soon as a limit field is edited.
#pragma once

#include <span>

namespace app {
class ComboBox;
class OptionButton;
class TextBox;
} // namespace app

namespace clicker {

struct Preset {
    const char* item;
    const char* minutes;
    const char* seconds;
    const char* tenths;
};

std::span<const Preset> presets();

class Presets {
public:
    struct Controls {
        app::ComboBox& Combo3;
        app::TextBox& Text1;
        app::TextBox& Text2;
        app::TextBox& Text3;
        app::TextBox& Text4;
        app::TextBox& Text5;
        app::OptionButton& Option2;
    };

    explicit Presets(Controls controls)
        : c_(controls)
    {
    }

    void Combo3_Click();
    void Text1_Validate(bool& cancel);
    void Text2_Validate(bool& cancel);
    void Text3_Validate(bool& cancel);
    void Text4_Validate(bool& cancel);
    void Text5_Validate(bool& cancel);
    void Text4_Change();
    void Text5_Change();

private:
    Controls c_;
};

} // namespace clicker
