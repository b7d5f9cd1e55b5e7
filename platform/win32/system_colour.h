#pragma once

#include <windows.h>

#include "platform/types/colour_value.h"

namespace trelumo {

/// The colour a colour value stands for: a system colour is the desktop's own (GetSysColor),
/// any other value is read as blue, green, red from the high byte down.
COLORREF colour_of(ColourValue value);

/// A brush of that colour, kept for the life of the program: never to be deleted.
HBRUSH brush_of(ColourValue value);

}  // namespace trelumo
