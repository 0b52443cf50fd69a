// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Deliberately plain readers written straight from the definitions of the
// value of a text and of the numeric test, for the fuzz targets to compare
// the real ones against. Slow and simple on purpose: no shared code with
// common/Numbers.cpp, and strtod instead of from_chars for the conversion.
#pragma once

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace reference {

inline bool digit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of `s`: sign, digits with at most one
// point (at least one digit), then an exponent only when digits follow
// the letter and its optional sign. 0 when `s` does not begin with one.
inline std::size_t numberLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    while (i < s.size()) {
        if (digit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && digit(s[j])) {
            while (j < s.size() && digit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Blanks, tabs and line breaks are skipped wherever they stand; the number
// at the start of the rest is read; no number reads 0; a number beyond the
// range of a double is a failed conversion.
inline std::optional<double> valueOfText(std::string_view text)
{
    std::string rest;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            rest += c;
    const std::size_t length = numberLength(rest);
    if (length == 0)
        return 0.0;
    const std::string number = rest.substr(0, length);
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

// Blanks (spaces and tabs) around the text set aside, the whole rest is one
// number of the grammar above.
inline bool isNumeric(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = text.find_last_not_of(" \t");
    const std::string_view core = text.substr(first, last - first + 1);
    return numberLength(core) == core.size();
}

// Nearest whole number, halves to the even neighbour, when it fits in 16 bits.
inline std::optional<int> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace reference
