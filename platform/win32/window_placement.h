#pragma once

#include <windows.h>

namespace trelumo {

/// Places a top-level window in the middle of the work area of the monitor it is on.
void centre_on_screen(HWND window);

/// Where a window of a size is in the middle of the primary monitor's work area.
POINT centred_on_primary_screen(SIZE size);

}  // namespace trelumo
