#pragma once

#include <windows.h>

#include <string_view>

namespace trelumo {

/// Sends "{F1}", the one keystroke the program sends, to the control that has the focus (or,
/// when nothing has it, to `fallback`) through the program's own message handling, and returns
/// once it has been processed. Returns false for any other text or when there is no window.
bool send_keys(std::string_view keys, HWND fallback = nullptr);

}  // namespace trelumo
