#include "platform/win32/locale_separators.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

std::string locale_text(const wchar_t* locale_name, LCTYPE item) {
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(locale_name, item, text, 8) <= 1) return {};
    return utf8(text);
}

bool usable(const Separators& separators) {
    const auto digit_free = [](const std::string& text) {
        return text.find_first_of("0123456789") == std::string::npos;
    };
    return !separators.decimal.empty() && !separators.group.empty() &&
           separators.decimal != separators.group && digit_free(separators.decimal) &&
           digit_free(separators.group);
}

}  // namespace

Separators separators_of(const wchar_t* locale_name) {
    Separators separators{locale_text(locale_name, LOCALE_SDECIMAL),
                          locale_text(locale_name, LOCALE_STHOUSAND)};
    return usable(separators) ? separators : spanish_separators();
}

Separators system_separators() {
    return separators_of(LOCALE_NAME_USER_DEFAULT);
}

}  // namespace trelumo
