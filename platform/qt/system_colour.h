#pragma once

#include <QColor>

#include "platform/types/colour_value.h"

class QPalette;

namespace trelumo {

/// The colour a system colour value stands for in the palette: the scroll-bar colour (the main
/// window's ground), the window background, or the tooltip background.
QColor colour_of(ColourValue value, const QPalette& palette);

}  // namespace trelumo
