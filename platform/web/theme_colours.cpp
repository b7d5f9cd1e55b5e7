#include "platform/web/theme_colours.h"

#include <algorithm>

#include "platform/types/contrast.h"
#include "platform/types/stored_layout.h"

namespace trelumo::web {
namespace {

constexpr const char* forced_colours_query = "(forced-colors: active)";
constexpr const char* dark_scheme_query = "(prefers-color-scheme: dark)";

// An element the page draws colours on, to read what a colour value draws in the scheme now.
Element colour_probe() {
    static const Element probe = [] {
        const Element element = Element::create("span");
        element.set_attribute("hidden", "");
        Element::body().append(element);
        return element;
    }();
    return probe;
}

Rgb drawn(ColourValue value) {
    if ((value & system_colour_flag) == 0) return rgb_of(value);
    const Element probe = colour_probe();
    probe.set_style("color", css_colour(value));
    const unsigned rgb = probe.drawn_colour("color");
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

}  // namespace

std::string css_colour(ColourValue value) {
    if (value & system_colour_flag)
        return "var(--system-colour-" + std::to_string(value & 0xFFu) + ")";
    constexpr char digits[] = "0123456789abcdef";
    const Rgb rgb = rgb_of(value);
    std::string text = "#";
    for (const std::uint8_t part : {rgb.red, rgb.green, rgb.blue}) {
        text += digits[part >> 4];
        text += digits[part & 0xF];
    }
    return text;
}

ThemeColours::ThemeColours(Element window) : forced_colours_(media_matches(forced_colours_query)) {
    const Listener repaint = [this](const Event&) {
        forced_colours_ = media_matches(forced_colours_query);
        paint_all();
        return false;
    };
    window.listen_media(forced_colours_query, repaint);
    window.listen_media(dark_scheme_query, repaint);
}

void ThemeColours::set_background(Element element, ColourValue ground) {
    keep({element, ground, no_colour});
}

void ThemeColours::set_text_colour(Element element, ColourValue own, ColourValue ground) {
    keep({element, ground, own});
}

void ThemeColours::keep(const Painted& painted) {
    const auto same = std::find_if(painted_.begin(), painted_.end(), [&](const Painted& known) {
        return known.element == painted.element &&
               (known.own == no_colour) == (painted.own == no_colour);
    });
    if (same != painted_.end()) {
        *same = painted;
    } else {
        painted_.push_back(painted);
    }
    paint(painted);
}

void ThemeColours::paint(const Painted& painted) const {
    if (painted.own == no_colour) {
        painted.element.set_style("background-color", css_colour(painted.ground));
        painted.element.set_style("color", css_colour(text_colour_on(painted.ground)));
        return;
    }
    painted.element.set_style("color", css_colour(readable_text_colour(painted.own, painted.ground,
                                                                       forced_colours_, drawn)));
}

void ThemeColours::paint_all() const {
    for (const Painted& painted : painted_) paint(painted);
}

}  // namespace trelumo::web
