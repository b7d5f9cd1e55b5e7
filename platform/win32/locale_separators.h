#pragma once

#include "platform/number_text/number_text.h"

namespace trelumo {

/// The decimal and group separators of a locale named as Windows names them ("es-ES"); Spanish
/// (Spain) when the locale gives nothing usable (separators_or_spanish).
Separators separators_of(const wchar_t* locale_name);

/// The separators of the user's locale.
Separators system_separators();

}  // namespace trelumo
