// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Countdown.h"

#include "common/Numbers.h"

namespace shutdown {
namespace {

struct Action {
    const char* item;
    const char* commandLine;
};

constexpr Action actions[] = {
    {"Shutdown", "shutdown -s -t 00"},
    {"Restart", "shutdown -r -t 00"},
    {"Logoff", "shutdown -l"},
};

} // namespace

std::int16_t totalMinutes(const QString& hours, const QString& minutes)
{
    const auto h = common::valueOfText(hours.toStdString());
    const auto m = common::valueOfText(minutes.toStdString());
    if (!h || !m)
        return 0;
    return common::roundToInt16(*h * 60 + *m).value_or(0);
}

QString countdownSentence(const QString& action, std::int16_t remaining)
{
    const int hours = remaining / 60; // truncated toward zero
    const int minutes = remaining - 60 * hours;
    const QString minuteText = minutes >= 0 && minutes <= 9
        ? QStringLiteral("0") + QString::number(minutes)
        : QString::number(minutes);
    return QStringLiteral("The computer will ") + action.toLower() + QStringLiteral(" after ")
        + QString::number(hours) + QStringLiteral(" hour(s) and ") + minuteText
        + QStringLiteral(" minute(s)");
}

QString commandLineFor(const QString& action)
{
    for (const auto& row : actions)
        if (action == QLatin1String(row.item))
            return QString::fromLatin1(row.commandLine);
    return {};
}

} // namespace shutdown
