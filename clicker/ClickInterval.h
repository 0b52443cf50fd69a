// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The click interval that the three interval fields give, without widgets.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace clicker {

// The interval in tenths of a second that three field texts give; empty when
// it does not fit in 16 bits or a text's number is beyond a double.
std::optional<std::int16_t> clickInterval(
    const QString& minutes, const QString& seconds, const QString& tenths);

} // namespace clicker
