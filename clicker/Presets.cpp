// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Presets.h"

#include "common/FieldCheck.h"
#include "runtime/Controls.h"

namespace clicker {
namespace {

// The field that carries the value gets a plain number; the others "00".
constexpr Preset presetTable[] = {
    {"Very Slow", "1", "00", "00"},
    {"Slow", "00", "10", "00"},
    {"Normal", "00", "1", "00"},
    {"Fast", "00", "00", "5"},
    {"Very Fast", "00", "00", "1"},
};

} // namespace

std::span<const Preset> presets() { return presetTable; }

void Presets::Combo3_Click()
{
    for (const auto& preset : presetTable) {
        if (c_.Combo3.text() != QLatin1String(preset.item))
            continue;
        c_.Text1.setText(QString::fromLatin1(preset.minutes));
        c_.Text2.setText(QString::fromLatin1(preset.seconds));
        c_.Text3.setText(QString::fromLatin1(preset.tenths));
        return;
    }
}

void Presets::Text1_Validate(bool& cancel) { common::validateNumeric(c_.Text1.text(), cancel); }
void Presets::Text2_Validate(bool& cancel) { common::validateNumeric(c_.Text2.text(), cancel); }
void Presets::Text3_Validate(bool& cancel) { common::validateNumeric(c_.Text3.text(), cancel); }
void Presets::Text4_Validate(bool& cancel) { common::validateNumeric(c_.Text4.text(), cancel); }
void Presets::Text5_Validate(bool& cancel) { common::validateNumeric(c_.Text5.text(), cancel); }

void Presets::Text4_Change() { c_.Option2.setChecked(true); }

void Presets::Text5_Change() { c_.Option2.setChecked(true); }

} // namespace clicker
