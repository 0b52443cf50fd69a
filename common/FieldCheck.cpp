// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldCheck.h"

#include "Numbers.h"

#include <QString>

namespace common {

void validateNumeric(const QString& text, bool& cancel) { cancel = !isNumeric(text.toStdString()); }

} // namespace common
