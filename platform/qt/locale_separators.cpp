#include "platform/qt/locale_separators.h"

#include <QLocale>

namespace trelumo {

Separators separators_of(const QLocale& locale) {
    if (locale.language() == QLocale::C) return spanish_separators();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

Separators system_separators() {
    return separators_of(QLocale::system());
}

}  // namespace trelumo
