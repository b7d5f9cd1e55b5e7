#pragma once

#include <QColor>

#include "platform/types/colour_value.h"
#include "platform/types/contrast.h"

class QPalette;

namespace trelumo {

/// The colour a colour value stands for: a system colour is the palette's own (the scroll-bar
/// colour, the main window's ground, its button colour; the window background its base colour;
/// the tooltip background its tooltip colour; each text colour its partner's), any other value is
/// read as blue, green, red from the high byte down.
QColor colour_of(ColourValue value, const QPalette& palette);

/// A colour as it is drawn.
Rgb rgb_of(const QColor& colour);

}  // namespace trelumo
