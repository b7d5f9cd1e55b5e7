// Text at the edge of the Windows API: the program speaks UTF-8, Windows' wide functions UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace trelumo {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

/// How many UTF-16 units the first `code_points` characters of a text take.
int utf16_units(std::wstring_view text, int code_points);

}  // namespace trelumo
