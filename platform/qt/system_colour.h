#pragma once

#include <QColor>

#include "platform/types/colour_value.h"

class QPalette;

namespace trelumo {

/// The colour a colour value stands for: a system colour is taken from the palette, any other
/// value is read as blue, green, red from the high byte down.
QColor colour_of(ColourValue value, const QPalette& palette);

}  // namespace trelumo
