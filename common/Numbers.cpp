// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace common {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a decimal number from the start of `s` (no blanks in it). Returns the
// length of the number and copies its characters to `out`; 0 when `s` does
// not begin with one. `decimalExponent` estimates the power of ten of the
// value, enough to tell an overflow from an underflow.
std::size_t scanNumber(std::string_view s, std::string& out, long long& decimalExponent)
{
    std::size_t i = 0;
    out.clear();
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        out += s[i++];
    long long integerDigits = 0, leadingFractionZeros = 0;
    bool sawPoint = false, sawDigit = false, sawNonZero = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            sawDigit = true;
            if (c != '0')
                sawNonZero = true;
            if (!sawPoint && sawNonZero)
                ++integerDigits;
            if (sawPoint && !sawNonZero)
                ++leadingFractionZeros;
            out += c;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            out += c;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return 0;
    decimalExponent = integerDigits > 0 ? integerDigits : -leadingFractionZeros;

    // An exponent counts only when digits follow the letter and its sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negative = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            long long exponent = 0;
            out += 'e';
            out += negative ? '-' : '+';
            for (; j < s.size() && isDigit(s[j]); ++j) {
                out += s[j];
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (s[j] - '0');
            }
            decimalExponent += negative ? -exponent : exponent;
            i = j;
        }
    }
    return i;
}

} // namespace

std::optional<double> valueOfText(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (!isBlank(c))
            compact += c;

    std::string number;
    long long decimalExponent = 0;
    if (scanNumber(compact, number, decimalExponent) == 0)
        return 0.0;

    // from_chars takes no leading '+' and no lone trailing point.
    std::string_view digits = number;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    std::string buffer(digits);
    if (buffer == "." || buffer == "-.")
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalExponent > 0)
            return std::nullopt; // beyond the range of a double
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

bool isNumeric(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return false;
    std::string number;
    long long decimalExponent = 0;
    return scanNumber(text, number, decimalExponent) == text.size();
}

std::optional<std::int16_t> roundToInt16(double value)
{
    const double rounded = std::nearbyint(value); // the default mode: halves to even
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace common
