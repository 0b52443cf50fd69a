// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Splits a fuzz input into field texts at '|', so that seeds stay readable
// ("00|01|00"). A '|' inside a field would only end its number, like any
// other letter, so nothing reachable is lost.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzinput {

inline std::vector<std::string> fields(
    const std::uint8_t* data, std::size_t size, std::size_t count)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() + 1 < count) {
        const std::size_t bar = all.find('|', start);
        if (bar == std::string_view::npos)
            break;
        out.emplace_back(all.substr(start, bar - start));
        start = bar + 1;
    }
    out.emplace_back(all.substr(std::min(start, all.size())));
    out.resize(count);
    return out;
}

} // namespace fuzzinput
