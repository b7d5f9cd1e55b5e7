#include "platform/qt/locale_separators.h"

#include <QLocale>
#include <QString>
#include <cstdlib>
#include <string>

#include "platform/runtime/locale_fallback.h"

namespace trelumo {
namespace {

std::string numeric_locale_name() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* name = std::getenv(variable);
        if (name && *name) return name;
    }
    return "C";
}

}  // namespace

Separators separators_of(const QLocale& locale) {
    if (locale.language() == QLocale::C) return separators_or_spanish(std::nullopt);
    return separators_or_spanish(
        Separators{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
}

Separators system_separators() {
    const std::string name = numeric_locale_name();
    // "es_ES.UTF-8@euro": QLocale takes the language and country, not the code set or modifier;
    // "C", "POSIX" and names it does not know give the C locale.
    const std::string language_and_country = name.substr(0, name.find_first_of(".@"));
    return separators_of(QLocale(QString::fromStdString(language_and_country)));
}

}  // namespace trelumo
