// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The total minutes and the countdown sentence from "action|hours|minutes|
// elapsed": the total against the reference reader, and every sentence read
// back into hours and minutes that must add up to the remaining time.
#include "Check.h"
#include "FuzzInput.h"
#include "Reference.h"
#include "common/Numbers.h"
#include "shutdown/Countdown.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void checkSentence(const QString& action, int remaining)
{
    const std::string sentence
        = shutdown::countdownSentence(action, static_cast<std::int16_t>(remaining)).toStdString();
    const std::string head = "The computer will " + action.toLower().toStdString() + " after ";
    const std::string middle = " hour(s) and ";
    const std::string tail = " minute(s)";
    FUZZ_CHECK(
        sentence.starts_with(head) && sentence.ends_with(tail), "sentence '%s'", sentence.c_str());

    const std::string numbers
        = sentence.substr(head.size(), sentence.size() - head.size() - tail.size());
    const auto split = numbers.find(middle);
    FUZZ_CHECK(split != std::string::npos, "sentence '%s'", sentence.c_str());
    const std::string hoursText = numbers.substr(0, split);
    const std::string minutesText = numbers.substr(split + middle.size());

    char* end = nullptr;
    const long hours = std::strtol(hoursText.c_str(), &end, 10);
    FUZZ_CHECK(!hoursText.empty() && *end == '\0', "hours '%s'", hoursText.c_str());
    const long minutes = std::strtol(minutesText.c_str(), &end, 10);
    FUZZ_CHECK(!minutesText.empty() && *end == '\0', "minutes '%s'", minutesText.c_str());

    FUZZ_CHECK(
        hours * 60 + minutes == remaining, "%ld h %ld min for %d", hours, minutes, remaining);
    FUZZ_CHECK(minutes > -60 && minutes < 60, "%ld min for %d", minutes, remaining);
    FUZZ_CHECK(
        minutes == 0 || (minutes < 0) == (remaining < 0), "%ld min for %d", minutes, remaining);
    // 0 to 9 minutes take two digits, everything else is written plainly.
    const std::size_t width = minutes >= 0 && minutes <= 9 ? 2 : std::to_string(minutes).size();
    FUZZ_CHECK(minutesText.size() == width, "minutes '%s'", minutesText.c_str());
    FUZZ_CHECK(hoursText == std::to_string(hours), "hours '%s'", hoursText.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto texts = fuzzinput::fields(data, size, 4);
    const QString action = QString::fromUtf8(texts[0]);
    const QString hours = QString::fromUtf8(texts[1]);
    const QString minutes = QString::fromUtf8(texts[2]);

    const int total = shutdown::totalMinutes(hours, minutes);
    const auto h = reference::valueOfText(hours.toStdString());
    const auto m = reference::valueOfText(minutes.toStdString());
    const int expected = h && m ? reference::roundToInt16(*h * 60 + *m).value_or(0) : 0;
    FUZZ_CHECK(total == expected, "total %d, reference %d", total, expected);

    checkSentence(action, total);
    // Any minute of the countdown: the elapsed count is a 16-bit counter.
    if (const auto elapsed = common::roundToInt16(reference::valueOfText(texts[3]).value_or(0))) {
        const int remaining = total - *elapsed;
        if (remaining >= -32768 && remaining <= 32767)
            checkSentence(action, remaining);
    }
    return 0;
}
