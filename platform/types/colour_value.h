// Colour values as the windows' stored settings write them.
#pragma once

#include <cstdint>

namespace trelumo {

/// A colour value: with the high bit set, the low byte names a system colour; otherwise the value
/// is an RGB colour stored blue, green, red from the high byte down (0x00FF0000 is pure blue).
using ColourValue = std::uint32_t;

inline constexpr ColourValue system_colour_flag = 0x80000000;

inline constexpr ColourValue scroll_bar_colour = 0x80000000;  // system colour 0
inline constexpr ColourValue window_colour = 0x80000005;      // system colour 5
inline constexpr ColourValue tooltip_colour = 0x80000018;     // system colour 24

}  // namespace trelumo
