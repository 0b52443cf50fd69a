// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The value of a text against a plain reader written from its definition:
// same verdict on overflow, same value to the bit (sign of zero included).
#include "Check.h"
#include "Reference.h"
#include "common/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto actual = common::valueOfText(text);
    const auto expected = reference::valueOfText(text);
    FUZZ_CHECK(actual.has_value() == expected.has_value(), "converts %d, reference %d",
        actual.has_value(), expected.has_value());
    if (actual) {
        FUZZ_CHECK(std::isfinite(*actual), "value %g", *actual);
        FUZZ_CHECK(std::memcmp(&*actual, &*expected, sizeof(double)) == 0,
            "value %.17g, reference %.17g", *actual, *expected);
    }
    return 0;
}
