#pragma once

#include <string_view>

namespace trelumo {

/// Sends keystrokes written in braces notation to the element that has the focus, and returns once
/// they have been processed. Knows "{F1}", the one keystroke the program sends. Returns false for
/// any other text.
bool send_keys(std::string_view keys);

}  // namespace trelumo
