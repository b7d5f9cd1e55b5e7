// Whether a text reads on its ground: colours as they are drawn, their contrast ratio as WCAG 2.x
// measures it, and the colour a text of a stored layout is drawn in.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/types/colour_value.h"

namespace trelumo {

/// A colour as it is drawn: red, green and blue, 0 to 255 each.
struct Rgb {
    std::uint8_t red, green, blue;
};

/// What an RGB colour value (not a system colour) draws: blue, green, red from the high byte down.
constexpr Rgb rgb_of(ColourValue value) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

/// The colour value of a colour as it is drawn.
constexpr ColourValue colour_value_of(Rgb colour) {
    return static_cast<ColourValue>(colour.blue) << 16 |
           static_cast<ColourValue>(colour.green) << 8 | colour.red;
}

/// Relative luminance, from 0 (black) to 1 (white), of a colour in sRGB.
inline double relative_luminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

/// The contrast ratio of two colours, from 1 (the same luminance) to 21 (black and white).
inline double contrast_ratio(Rgb a, Rgb b) {
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The lowest contrast ratio at which text of ordinary size reads (WCAG 2.x, level AA).
inline constexpr double readable_contrast = 4.5;

/// A text colour that reads on a ground: `preferred` where it does, otherwise black or white,
/// whichever reads better (one of them always does).
inline Rgb readable_on(Rgb ground, Rgb preferred) {
    if (contrast_ratio(preferred, ground) >= readable_contrast) return preferred;
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    return contrast_ratio(black, ground) >= contrast_ratio(white, ground) ? black : white;
}

/// The colour value a text is drawn in on a ground: the stored layout's own colour `own` where
/// it reads there and the desktop asks for no high contrast, otherwise the text colour the theme
/// made for that ground. `drawn` tells what a colour value draws on this desktop.
template <typename Drawn>
ColourValue readable_text_colour(ColourValue own, ColourValue ground, bool high_contrast,
                                 const Drawn& drawn) {
    if (high_contrast || contrast_ratio(drawn(own), drawn(ground)) < readable_contrast)
        return text_colour_on(ground);
    return own;
}

}  // namespace trelumo
