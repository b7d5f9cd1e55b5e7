#include "platform/web/locale_separators.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/runtime/locale_fallback.h"

extern "C" {
// dom.js: the decimal and group separators the browser writes numbers with in its language.
char* web_number_separator(int decimal);
}

namespace trelumo {
namespace {

std::string separator(bool decimal) {
    const std::unique_ptr<char, decltype(&std::free)> text(web_number_separator(decimal),
                                                           &std::free);
    return text ? std::string(text.get()) : std::string();
}

}  // namespace

Separators system_separators() {
    return separators_or_spanish(Separators{separator(true), separator(false)});
}

}  // namespace trelumo
