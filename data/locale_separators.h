#pragma once

#include <QLocale>

#include "format/separators.h"

namespace zelvaro {

// The first character of the locale's decimal point and of its group separator; "." and ","
// when the locale gives none.
Separators separatorsOf(const QLocale& locale);

}  // namespace zelvaro
