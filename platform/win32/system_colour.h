#pragma once

#include <windows.h>

#include "platform/types/colour_value.h"
#include "platform/types/contrast.h"

namespace trelumo {

/// The colour a colour value stands for: a system colour is the desktop's own (GetSysColor),
/// any other value is read as blue, green, red from the high byte down.
COLORREF colour_of(ColourValue value);

/// A brush of that colour, kept for the life of the program: never to be deleted. A system
/// colour's brush is the desktop's, which it changes when its colours change: ask again then.
HBRUSH brush_of(ColourValue value);

/// What a colour value draws, as red, green and blue.
Rgb drawn_rgb(ColourValue value);

/// Whether the user has turned high contrast on (a contrast theme, Alt+Shift+PrtScn).
bool high_contrast_on();

}  // namespace trelumo
