#include "platform/win32/locale_separators.h"

#include <windows.h>

#include <string>

#include "platform/runtime/locale_fallback.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

std::string locale_text(const wchar_t* locale_name, LCTYPE item) {
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(locale_name, item, text, 8) <= 1) return {};
    return utf8(text);
}

}  // namespace

Separators separators_of(const wchar_t* locale_name) {
    return separators_or_spanish(Separators{locale_text(locale_name, LOCALE_SDECIMAL),
                                            locale_text(locale_name, LOCALE_STHOUSAND)});
}

Separators system_separators() {
    return separators_of(LOCALE_NAME_USER_DEFAULT);
}

}  // namespace trelumo
