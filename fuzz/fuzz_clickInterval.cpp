// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The click interval from three field texts ("minutes|seconds|tenths"),
// against the reference reader and a plain half-to-even rounding.
#include "Check.h"
#include "FuzzInput.h"
#include "Reference.h"
#include "clicker/ClickInterval.h"

#include <QString>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto texts = fuzzinput::fields(data, size, 3);
    const QString minutes = QString::fromUtf8(texts[0]);
    const QString seconds = QString::fromUtf8(texts[1]);
    const QString tenths = QString::fromUtf8(texts[2]);
    const auto actual = clicker::clickInterval(minutes, seconds, tenths);

    // What the fields hold is the UTF-8 of their QString, not the raw bytes.
    const auto m = reference::valueOfText(minutes.toStdString());
    const auto s = reference::valueOfText(seconds.toStdString());
    const auto t = reference::valueOfText(tenths.toStdString());
    std::optional<int> expected;
    if (m && s && t)
        expected = reference::roundToInt16(*m * 10 * 60 + *s * 10 + *t);

    FUZZ_CHECK(actual.has_value() == expected.has_value(), "stored %d, reference %d",
        actual.has_value(), expected.has_value());
    FUZZ_CHECK(!actual || *actual == *expected, "interval %d, reference %d", *actual, *expected);
    return 0;
}
