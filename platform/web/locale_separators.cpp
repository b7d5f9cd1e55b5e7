#include "platform/web/locale_separators.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/runtime/locale_fallback.h"

extern "C" {
// dom.js: the browser's language, and the decimal and group separators it writes numbers with in
// that language.
char* web_language();
char* web_number_separator(int decimal);
}

namespace trelumo {
namespace {

std::string taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned ? std::string(owned.get()) : std::string();
}

}  // namespace

Separators system_separators() {
    // Spanish, or that of Spain, needs no asking: the browser takes some 15 ms to load its number
    // formats the first time, longer than the rest of the page's start.
    const std::string language = taken(web_language());
    if (language == "es" || language == "es-ES") return spanish_separators();
    return separators_or_spanish(
        Separators{taken(web_number_separator(true)), taken(web_number_separator(false))});
}

}  // namespace trelumo
