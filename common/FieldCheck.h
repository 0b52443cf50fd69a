// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check every numeric field of both pages makes before the focus leaves
// it: the move is refused while the text is not a number.
#pragma once

class QString;

namespace common {

void validateNumeric(const QString& text, bool& cancel);

} // namespace common
