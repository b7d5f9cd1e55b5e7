// Texts in the system's narrow (ANSI) code page, one byte per character in single-byte code
// pages: the form in which names and string data cross the registry boundary.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelumo::registry {

/// The narrow form of a UTF-8 text; nothing when the code page lacks one of its characters or the
/// text is no valid UTF-8, so that no name turns into another. On Windows the narrow code page is
/// the system's ANSI code page; elsewhere it is Windows-1252.
std::optional<std::string> narrow_from_utf8(std::string_view utf8);

/// The UTF-8 text of narrow bytes. Zero bytes are kept as characters.
std::string utf8_from_narrow(std::string_view narrow);

}  // namespace trelumo::registry
