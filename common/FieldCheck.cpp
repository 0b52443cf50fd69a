#include "FieldCheck.h"

#include "Numbers.h"

#include <QString>

namespace common {

void validateNumeric(const QString& text, bool& cancel) { cancel = !isNumeric(text.toStdString()); }

} // namespace common
