// The narrow code page where the system has none: Windows-1252.
#include "platform/registry/narrow_text.h"
#include "platform/registry/windows_1252.h"

namespace trelumo::registry {

std::optional<std::string> narrow_from_utf8(std::string_view utf8) {
    return windows_1252_from_utf8(utf8);
}

std::string utf8_from_narrow(std::string_view narrow) {
    return utf8_from_windows_1252(narrow);
}

}  // namespace trelumo::registry
