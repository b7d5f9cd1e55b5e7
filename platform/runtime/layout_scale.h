// How a stored layout, drawn in twips for one font, is laid out for the user's DPI and font: the
// way dialog units do, every place and size grows by as much as the user's font is larger than
// the font the layout was drawn for, so that no caption is cut.
#pragma once

#include <string_view>

namespace trelumo {

/// A font as a layout measures it, in pixels at the DPI it is drawn at: the average width of
/// `measured_letters` and the height of a line.
struct FontMeasure {
    double letter_width;
    double line_height;
};

inline constexpr std::string_view measured_letters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

/// The font the stored layouts are drawn for, at 96 dpi. The toolkits' default fonts are no
/// larger (DejaVu Sans 9 pt: 7.4 x 14 pixels; Tahoma 8 pt: 5.6 x 13), and leave every window as
/// it is drawn.
inline constexpr FontMeasure layout_font{7.5, 14.0};

/// How much more than the font a layout grows when it grows (see LayoutScale).
inline constexpr double rounding_allowance = 1.05;

/// Pixels for a stored layout's twips (1/1440 inch), at a DPI and for a font.
class LayoutScale {
public:
    /// The layout as drawn, at a DPI: 15 twips to the pixel at 96 dpi.
    explicit LayoutScale(double dpi) : dpi_(dpi) {}

    /// At a DPI, for the user's font measured at that DPI: the layout grows by as much as that
    /// font is larger than the layout's font at the same DPI, in width or in height, whichever
    /// is more, and by a twentieth more: glyphs come to whole pixels differently at each size,
    /// and a caption may come out a little wider than its letters' average says. A font no
    /// larger leaves the layout as drawn.
    LayoutScale(double dpi, FontMeasure font);

    /// A place or size in pixels, rounded to the nearest, halves away from zero.
    int pixels(int twips) const;

    bool operator==(const LayoutScale&) const = default;

private:
    double dpi_;
    double font_factor_ = 1.0;
};

}  // namespace trelumo
