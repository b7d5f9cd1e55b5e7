#pragma once

#include <string>
#include <vector>

#include "platform/types/colour_value.h"
#include "platform/web/dom.h"

namespace trelumo::web {

/// A colour value as CSS writes it: a system colour as the page's custom property for it
/// (trelumo.css gives each one for the light and dark schemes and for forced colours), an RGB
/// colour as "#rrggbb".
std::string css_colour(ColourValue value);

/// The colours the page's windows take from the colour scheme, taken again whenever the scheme
/// changes: grounds named by colour values, each with the text colour made to be read on it, and
/// the texts the stored layout gives colours of their own, kept in them where they read on their
/// ground and drawn in the scheme's text colour where they would not, or in forced colours.
class ThemeColours {
public:
    /// Follows the scheme for as long as `window` is in the page.
    explicit ThemeColours(Element window);
    ThemeColours(const ThemeColours&) = delete;
    ThemeColours& operator=(const ThemeColours&) = delete;

    /// Paints an element in a colour value, and its text in the colour made for it.
    void set_background(Element element, ColourValue ground);
    /// Draws an element's text in a colour of its own, on a ground.
    void set_text_colour(Element element, ColourValue own, ColourValue ground);

private:
    struct Painted {
        Element element;
        ColourValue ground;
        ColourValue own;  // no_colour: the ground's text colour
    };
    void keep(const Painted& painted);
    void paint(const Painted& painted) const;
    void paint_all() const;

    std::vector<Painted> painted_;
    bool forced_colours_ = false;
};

}  // namespace trelumo::web
