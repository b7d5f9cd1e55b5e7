#include "platform/qt/system_colour.h"

#include <QPalette>

namespace trelumo {
namespace {

QPalette::ColorRole role_of_system_colour(unsigned index) {
    switch (index) {
        case 0:
            return QPalette::Button;  // scroll bar
        case 5:
            return QPalette::Base;  // window background
        case 8:
            return QPalette::Text;  // window text
        case 15:
            return QPalette::Button;  // button face
        case 18:
            return QPalette::ButtonText;  // button text
        case 23:
            return QPalette::ToolTipText;  // tooltip text
        case 24:
            return QPalette::ToolTipBase;  // tooltip background
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor colour_of(ColourValue value, const QPalette& palette) {
    if (value & system_colour_flag)
        return palette.color(QPalette::Active, role_of_system_colour(value & 0xFF));
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace trelumo
