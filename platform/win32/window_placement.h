#pragma once

#include <windows.h>

namespace trelumo {

/// Places a top-level window in the middle of the work area of the monitor it is on.
void centre_on_screen(HWND window);

}  // namespace trelumo
