// The About window `frmAbout`: its stored layout, from which every front-end builds it, and the
// texts its load writes.
#pragma once

#include <array>
#include <string_view>

#include "platform/types/stored_layout.h"

namespace trelumo::frmAbout {

/// The window's title is this followed by the application's title: "Acerca de Trelumo".
inline constexpr std::string_view title_before_program = "Acerca de ";

/// The version line is this followed by the version numbers: "Versión 1.0.0".
inline constexpr std::string_view version_before_numbers = "Versión ";

inline constexpr ColourValue black = 0x00000000;
inline constexpr ColourValue blue = 0x00FF0000;
inline constexpr ColourValue white = 0x00FFFFFF;
inline constexpr ColourValue dark_grey = 0x00808080;

// clang-format off
inline constexpr std::array<ControlLayout, 6> controls{{
    {.name = "cmdOK", .kind = ControlKind::push_button,
     .left = 1080, .top = 2040, .width = 1335, .height = 375, .tab_index = 0, .caption = "Aceptar",
     .default_button = true, .cancel_button = true},
    {.name = "picIcon", .kind = ControlKind::picture_box,
     .left = 480, .top = 240, .width = 540, .height = 540, .tab_index = 1,
     .tooltip = "V. 10-03-1999", .picture = "euro", .border = Border::sunken},
    {.name = "lblDescription", .kind = ControlKind::label,
     .left = 480, .top = 1125, .width = 1845, .height = 210, .tab_index = 2,
     .caption = "Diseño y realización:", .fore_colour = black},
    {.name = "lblDisclaimer", .kind = ControlKind::label,
     .left = 480, .top = 1440, .width = 735, .height = 345, .tab_index = 3, .caption = "Trelumo",
     .tooltip = "Equipo de desarrollo de Trelumo", .fore_colour = blue, .wraps = true},
    {.name = "lblTitle", .kind = ControlKind::label,
     .left = 1320, .top = 240, .width = 1605, .height = 240, .tab_index = 4,
     .caption = "Título de la aplicación", .fore_colour = black},
    {.name = "lblVersion", .kind = ControlKind::label,
     .left = 1320, .top = 540, .width = 1245, .height = 225, .tab_index = 5,
     .caption = "Versión"},
}};

/// Line1(0), white and two pixels wide, under Line1(1), dark grey: one sunken separator.
inline constexpr std::array<LineLayout, 2> lines{{
    {.name = "Line1", .index = 0, .x1 = 120, .y1 = 1920, .x2 = 3360, .y2 = 1920,
     .colour = white, .width = 2},
    {.name = "Line1", .index = 1, .x1 = 120, .y1 = 1920, .x2 = 3360, .y2 = 1920,
     .colour = dark_grey, .width = 1},
}};
// clang-format on

// The controls the window's code names, as indexes into the table.
inline constexpr int cmdOK = named(controls, "cmdOK");
inline constexpr int picIcon = named(controls, "picIcon");
inline constexpr int lblDescription = named(controls, "lblDescription");
inline constexpr int lblDisclaimer = named(controls, "lblDisclaimer");
inline constexpr int lblTitle = named(controls, "lblTitle");
inline constexpr int lblVersion = named(controls, "lblVersion");

/// A screen reader reads the window's texts from the top, then the button.
inline constexpr std::array<int, 6> reading_order{picIcon,        lblTitle,      lblVersion,
                                                  lblDescription, lblDisclaimer, cmdOK};

/// The window: its own colour is system colour 15, the face of buttons and dialogs; it shows the
/// program's icon. Its title is set again by its load.
inline constexpr WindowLayout layout{.name = "frmAbout",
                                     .title = "Acerca de Trelumo",
                                     .client_width = 3495,
                                     .client_height = 2520,
                                     .back_colour = button_face_colour,
                                     .border = WindowBorder::fixed_dialog,
                                     .icon = "euro",
                                     .controls = controls,
                                     .lines = lines,
                                     .reading_order = reading_order};

static_assert(in_tab_order(controls));

}  // namespace trelumo::frmAbout
