#pragma once

#include <optional>

#include "platform/number_text/number_text.h"

namespace trelumo {

/// The separators amounts are read and written with: the user's locale's when they are usable
/// (both given, different, neither holding a digit); Spanish (Spain)'s otherwise, and when the
/// toolkit knows no locale of the user's (nullopt, as for the C locale).
Separators separators_or_spanish(const std::optional<Separators>& locale);

}  // namespace trelumo
