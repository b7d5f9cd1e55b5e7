// Text at the edge of Qt: the program speaks UTF-8, Qt's strings UTF-16.
#pragma once

#include <QString>
#include <string_view>

namespace trelumo {

inline QString qt_text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace trelumo
