#include "platform/runtime/locale_fallback.h"

namespace trelumo {
namespace {

bool usable(const Separators& separators) {
    const auto digit_free = [](const std::string& text) {
        return text.find_first_of("0123456789") == std::string::npos;
    };
    return !separators.decimal.empty() && !separators.group.empty() &&
           separators.decimal != separators.group && digit_free(separators.decimal) &&
           digit_free(separators.group);
}

}  // namespace

Separators separators_or_spanish(const std::optional<Separators>& locale) {
    return locale && usable(*locale) ? *locale : spanish_separators();
}

}  // namespace trelumo
