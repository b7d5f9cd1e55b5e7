#pragma once

#include "platform/number_text/number_text.h"

class QLocale;

namespace trelumo {

/// The decimal and group separators of a locale; the C locale, and one whose separators are not
/// usable, read as Spanish (Spain) (separators_or_spanish).
Separators separators_of(const QLocale& locale);

/// The separators of the user's numeric locale, named by the environment as the C library reads
/// it: LC_ALL, then LC_NUMERIC, then LANG, skipping empty ones.
Separators system_separators();

}  // namespace trelumo
