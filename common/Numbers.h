// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules every page shares: how a field's text is read, what counts
// as a number, and the 16-bit integers that counters and totals live in.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace common {

// The lenient value of a text: blanks, tabs and line breaks are skipped
// wherever they stand, then the longest leading number is read (sign, digits
// with at most one point, exponent). A text that does not begin with a number
// reads 0. Empty when the number lies beyond the range of a double.
std::optional<double> valueOfText(std::string_view text);

// Whether the whole text, blanks around it aside, is a decimal number.
bool isNumeric(std::string_view text);

// Nearest 16-bit integer, halves to even; empty when it does not fit.
std::optional<std::int16_t> roundToInt16(double value);

// Counters raised once per tick stop at 32767 instead of wrapping.
constexpr std::int16_t saturatingIncrement(std::int16_t value)
{
    return value == INT16_MAX ? value : static_cast<std::int16_t>(value + 1);
}

// Flags are stored as -1 for true and 0 for false.
inline constexpr std::int16_t FlagTrue = -1;
inline constexpr std::int16_t FlagFalse = 0;

} // namespace common
