// Colour values as the windows' stored settings write them.
#pragma once

#include <cstdint>

namespace trelumo {

/// A colour value: with the high bit set, the low byte names a system colour; otherwise the value
/// is an RGB colour stored blue, green, red from the high byte down (0x00FF0000 is pure blue).
using ColourValue = std::uint32_t;

inline constexpr ColourValue system_colour_flag = 0x80000000;

inline constexpr ColourValue scroll_bar_colour = 0x80000000;    // system colour 0
inline constexpr ColourValue window_colour = 0x80000005;        // system colour 5
inline constexpr ColourValue window_text_colour = 0x80000008;   // system colour 8
inline constexpr ColourValue button_text_colour = 0x80000012;   // system colour 18
inline constexpr ColourValue tooltip_text_colour = 0x80000017;  // system colour 23
inline constexpr ColourValue tooltip_colour = 0x80000018;       // system colour 24
inline constexpr ColourValue button_face_colour = 0x8000000F;   // system colour 15

/// The text colour a theme designs to be read on a system colour: tooltip text on the tooltip
/// colour, button text on a button face and on the scroll-bar colour (which both toolkits paint
/// as a button face), window text on the window's colour and on anything else.
constexpr ColourValue text_colour_on(ColourValue background) {
    switch (background) {
        case tooltip_colour:
            return tooltip_text_colour;
        case scroll_bar_colour:
        case button_face_colour:
            return button_text_colour;
        default:
            return window_text_colour;
    }
}

}  // namespace trelumo
