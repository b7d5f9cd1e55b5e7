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
    return palette.color(QPalette::Active, role_of(value));
}

}  // namespace trelumo
