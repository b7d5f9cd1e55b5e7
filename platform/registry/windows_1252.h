// Windows-1252, the Western European narrow code page, converted to and from UTF-8 without help
// from the system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelumo::registry {

/// The Windows-1252 bytes of a UTF-8 text; nothing when the code page lacks one of its characters
/// or the text is no valid UTF-8.
std::optional<std::string> windows_1252_from_utf8(std::string_view utf8);

/// The UTF-8 text of Windows-1252 bytes. The five bytes the code page leaves unassigned (0x81,
/// 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same numbers, as on Windows.
std::string utf8_from_windows_1252(std::string_view narrow);

}  // namespace trelumo::registry
