#include "platform/runtime/layout_scale.h"

#include <algorithm>
#include <cmath>

namespace trelumo {

LayoutScale::LayoutScale(double dpi, FontMeasure font) : dpi_(dpi) {
    const double at_dpi = dpi / 96.0;
    const double larger = std::max(font.letter_width / (layout_font.letter_width * at_dpi),
                                   font.line_height / (layout_font.line_height * at_dpi));
    if (larger > 1.0) font_factor_ = larger * rounding_allowance;
}

int LayoutScale::pixels(int twips) const {
    return static_cast<int>(std::lround(twips * dpi_ * font_factor_ / 1440.0));
}

}  // namespace trelumo
