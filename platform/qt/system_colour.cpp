#include "platform/qt/system_colour.h"

#include <QPalette>

namespace trelumo {
namespace {

QPalette::ColorRole role_of(ColourValue value) {
    switch (value) {
        case scroll_bar_colour:
            return QPalette::Button;
        case window_colour:
            return QPalette::Base;
        case tooltip_colour:
            return QPalette::ToolTipBase;
        case window_text_colour:
            return QPalette::Text;
        case button_text_colour:
            return QPalette::ButtonText;
        case tooltip_text_colour:
            return QPalette::ToolTipText;
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor colour_of(ColourValue value, const QPalette& palette) {
    if (!(value & system_colour_flag)) {
        const Rgb rgb = trelumo::rgb_of(value);
        return {rgb.red, rgb.green, rgb.blue};
    }
    return palette.color(QPalette::Active, role_of(value));
}

Rgb rgb_of(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

}  // namespace trelumo
