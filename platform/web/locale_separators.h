#pragma once

#include "platform/number_text/number_text.h"

namespace trelumo {

/// The separators of the browser's language, as the runtime takes a locale's
/// (platform/runtime/locale_fallback.h).
Separators system_separators();

}  // namespace trelumo
