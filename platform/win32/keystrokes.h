#pragma once

#include <windows.h>

#include <string_view>

namespace trelumo {

/// Sends keystrokes written in braces notation ("{F1}", "{ENTER}", "{ESC}", "{TAB}") to the
/// control that has the focus (or, when nothing has it, to `fallback`) through the program's own
/// message handling, and returns once they have been processed. Returns false when a key name is
/// not known or there is no window to send to.
bool send_keys(std::string_view keys, HWND fallback = nullptr);

}  // namespace trelumo
