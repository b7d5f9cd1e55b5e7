// The stored layout of the About window `frmAbout`: the window, its controls in tab order and
// its separator line, in twips.
#pragma once

#include <array>

#include "platform/win32/layout.h"

namespace frmabout_layout {

using trelumo::ControlKind;

enum Id { cmdOK = IDOK, picIcon = 100, lblDescription, lblDisclaimer, lblTitle, lblVersion };

inline constexpr const char* title = "Acerca de Trelumo";
inline constexpr int client_width = 3495;
inline constexpr int client_height = 2520;
/// The window's own colour: system colour 15, the face of buttons and dialogs.
inline constexpr trelumo::ColourValue back_colour = trelumo::button_face_colour;

inline constexpr trelumo::ColourValue black = 0x00000000;
inline constexpr trelumo::ColourValue blue = 0x00FF0000;

// clang-format off
inline constexpr std::array<trelumo::ControlLayout, 6> controls{{
    {.id = cmdOK, .kind = ControlKind::push_button,
     .left = 1080, .top = 2040, .width = 1335, .height = 375, .caption = "Aceptar",
     .style = BS_DEFPUSHBUTTON},
    {.id = picIcon, .kind = ControlKind::picture_box,
     .left = 480, .top = 240, .width = 540, .height = 540, .tooltip = "V. 10-03-1999",
     .picture = L"EURO"},
    {.id = lblDescription, .kind = ControlKind::label,
     .left = 480, .top = 1125, .width = 1845, .height = 210, .caption = "Diseño y realización:",
     .fore_colour = black},
    {.id = lblDisclaimer, .kind = ControlKind::label,
     .left = 480, .top = 1440, .width = 735, .height = 345, .caption = "Trelumo",
     .tooltip = "Equipo de desarrollo de Trelumo", .fore_colour = blue},
    {.id = lblTitle, .kind = ControlKind::label,
     .left = 1320, .top = 240, .width = 1605, .height = 240, .caption = "Título de la aplicación",
     .fore_colour = black},
    {.id = lblVersion, .kind = ControlKind::label,
     .left = 1320, .top = 540, .width = 1245, .height = 225, .caption = "Versión"},
}};

/// The order in which a screen reader reads the window: its texts from the top, then the button.
inline constexpr std::array<int, 6> reading_order{
    picIcon, lblTitle, lblVersion, lblDescription, lblDisclaimer, cmdOK};

/// Line1(0), white and two pixels wide, under Line1(1), dark grey: one sunken separator.
inline constexpr std::array<trelumo::LineLayout, 2> lines{{
    {.x1 = 120, .y1 = 1920, .x2 = 3360, .y2 = 1920, .colour = 0x00FFFFFF,
     .width = 2},
    {.x1 = 120, .y1 = 1920, .x2 = 3360, .y2 = 1920, .colour = 0x00808080,
     .width = 1},
}};
// clang-format on

}  // namespace frmabout_layout
