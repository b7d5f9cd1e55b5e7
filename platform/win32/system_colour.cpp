#include "platform/win32/system_colour.h"

#include <map>

namespace trelumo {

COLORREF colour_of(ColourValue value) {
    if (value & system_colour_flag) return GetSysColor(static_cast<int>(value & 0xFF));
    // COLORREF keeps red in the low byte and blue in the third, the same order.
    return RGB(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

HBRUSH brush_of(ColourValue value) {
    if (value & system_colour_flag) return GetSysColorBrush(static_cast<int>(value & 0xFF));
    static std::map<ColourValue, HBRUSH> brushes;
    HBRUSH& brush = brushes[value];
    if (!brush) brush = CreateSolidBrush(colour_of(value));
    return brush;
}

Rgb drawn_rgb(ColourValue value) {
    const COLORREF colour = colour_of(value);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

bool high_contrast_on() {
    HIGHCONTRASTW high_contrast{};
    high_contrast.cbSize = sizeof high_contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
           (high_contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace trelumo
