// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickInterval.h"

#include "common/Numbers.h"

namespace clicker {

std::optional<std::int16_t> clickInterval(
    const QString& minutes, const QString& seconds, const QString& tenths)
{
    const auto m = common::valueOfText(minutes.toStdString());
    const auto s = common::valueOfText(seconds.toStdString());
    const auto t = common::valueOfText(tenths.toStdString());
    if (!m || !s || !t)
        return std::nullopt;
    // Grouped as written: minutes x 10 x 60, plus seconds x 10, plus tenths.
    const double tenthsOfSecond = *m * 10 * 60 + *s * 10 + *t;
    return common::roundToInt16(tenthsOfSecond);
}

} // namespace clicker
