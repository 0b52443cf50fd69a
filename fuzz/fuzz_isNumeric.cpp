// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric test against a plain one written from its definition, and its
// agreement with the value reader: a numeric text is read whole.
#include "Check.h"
#include "Reference.h"
#include "common/Numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool numeric = common::isNumeric(text);
    FUZZ_CHECK(numeric == reference::isNumeric(text), "numeric %d", numeric);
    if (numeric) {
        // A field that passes its check holds one number and nothing after
        // it, so reading it with a suffix appended gives the same result.
        const auto whole = common::valueOfText(text);
        const auto suffixed = common::valueOfText(std::string(text) + "x1");
        FUZZ_CHECK(whole.has_value() == suffixed.has_value(), "suffix changed the verdict");
        FUZZ_CHECK(!whole || *whole == *suffixed, "suffix changed the value");
    }
    return 0;
}
