// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The speed presets, the numeric check of the clicker fields, and the choice
// of "Stop after" as soon as a limit field is edited.
#pragma once

#include <span>

namespace runtime {
class ComboBox;
class OptionButton;
class TextBox;
} // namespace runtime

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
        runtime::ComboBox& Combo3;
        runtime::TextBox& Text1;
        runtime::TextBox& Text2;
        runtime::TextBox& Text3;
        runtime::TextBox& Text4;
        runtime::TextBox& Text5;
        runtime::OptionButton& Option2;
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
