// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown's numbers and texts, without widgets: the total of the two
// fields, the sentence shown, and the command line of each action.
#pragma once

#include <QString>

#include <cstdint>

namespace shutdown {

// Hours x 60 + minutes, rounded halves to even; 0 when it does not fit.
std::int16_t totalMinutes(const QString& hours, const QString& minutes);

// "The computer will <action> after H hour(s) and MM minute(s)".
QString countdownSentence(const QString& action, std::int16_t remaining);

// The command line that carries out an action, or "" for an unknown one.
QString commandLineFor(const QString& action);

} // namespace shutdown
