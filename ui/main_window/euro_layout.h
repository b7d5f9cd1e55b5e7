// The main window `euro`: its stored layout, from which every front-end builds it, and the texts
// it shows and names. Only the two text fields take the focus.
#pragma once

#include <array>
#include <string_view>

#include "platform/types/stored_layout.h"

namespace trelumo::euro {

/// The application's help file, as Form_Load names it.
inline constexpr std::string_view help_file = "TRELUMO.HLP";

/// What the two fields hold once the window is loaded: literals, not formatted zeros.
inline constexpr std::string_view euro_at_start = "0,00";
inline constexpr std::string_view pts_at_start = "0";

inline constexpr std::string_view field_tooltip = "Introduzca valor y pulse TAB";

/// What a screen reader says of the arrow that shows a conversion's direction.
inline constexpr std::string_view euros_to_pesetas = "de euros a pesetas";
inline constexpr std::string_view pesetas_to_euros = "de pesetas a euros";

inline constexpr FontLayout times_bold{.face = "Times New Roman",
                                       .points = 12,
                                       .bold = true,
                                       .character_set = 0,
                                       .stand_in = FontFamily::serif};

// clang-format off
inline constexpr std::array<ControlLayout, 9> controls{{
    {.name = "Label1", .kind = ControlKind::label,
     .left = 240, .top = 360, .width = 855, .height = 255, .tab_index = 0, .caption = "Euros:",
     .names = "text_euro"},
    {.name = "Label2", .kind = ControlKind::label,
     .left = 3360, .top = 360, .width = 855, .height = 255, .tab_index = 1, .caption = "Pesetas:",
     .names = "text_pts"},
    {.name = "text_euro", .kind = ControlKind::text_field,
     .left = 240, .top = 600, .width = 1575, .height = 285, .tab_index = 2,
     .tooltip = field_tooltip, .alignment = Alignment::right},
    {.name = "text_pts", .kind = ControlKind::text_field,
     .left = 3360, .top = 600, .width = 1575, .height = 285, .tab_index = 3,
     .tooltip = field_tooltip, .alignment = Alignment::right},
    {.name = "Label3", .kind = ControlKind::label,
     .left = 1920, .top = 600, .width = 735, .height = 255, .tab_index = 4, .caption = "Euros",
     .font = &times_bold},
    {.name = "Label4", .kind = ControlKind::label,
     .left = 5040, .top = 600, .width = 495, .height = 255, .tab_index = 5, .caption = "Ptas.",
     .font = &times_bold},
    {.name = "result", .kind = ControlKind::label,
     .left = 120, .top = 1320, .width = 5535, .height = 255, .tab_index = 6,
     .tooltip = "Resultado", .back_colour = window_colour, .alignment = Alignment::centre,
     .border = Border::sunken, .announced = true},
    {.name = "fizq", .kind = ControlKind::picture,
     .left = 2640, .top = 480, .width = 480, .height = 480, .visible = false,
     .picture = "left_arrow", .reader_name = pesetas_to_euros},
    {.name = "fdcha", .kind = ControlKind::picture,
     .left = 2760, .top = 480, .width = 480, .height = 480, .visible = false,
     .picture = "right_arrow", .reader_name = euros_to_pesetas},
}};

inline constexpr std::array<MenuItemLayout, 6> menu{{
    {.name = "archivo",   .caption = "&Archivo"},
    {.name = "salir",     .caption = "&Salir",          .parent = "archivo"},
    {.name = "ayuda",     .caption = "A&yuda"},
    {.name = "temas",     .caption = "&Temas de ayuda", .parent = "ayuda"},
    {.name = "separador", .caption = "-",               .parent = "ayuda"},
    {.name = "acerca",    .caption = "&Acerca de ...",  .parent = "ayuda"},
}};
// clang-format on

/// The window: its own colour is system colour 0; it shows the program's icon.
inline constexpr WindowLayout layout{.name = "euro",
                                     .title = "Trelumo",
                                     .client_width = 5775,
                                     .client_height = 1815,
                                     .back_colour = scroll_bar_colour,
                                     .border = WindowBorder::sizable,
                                     .icon = "euro",
                                     .controls = controls,
                                     .menu = menu};

// The controls and menu items the window's code names, as indexes into their tables.
inline constexpr int text_euro = named(controls, "text_euro");
inline constexpr int text_pts = named(controls, "text_pts");
inline constexpr int result = named(controls, "result");
inline constexpr int fizq = named(controls, "fizq");
inline constexpr int fdcha = named(controls, "fdcha");
inline constexpr int salir = named(menu, "salir");
inline constexpr int temas = named(menu, "temas");
inline constexpr int acerca = named(menu, "acerca");

static_assert(in_tab_order(controls));

}  // namespace trelumo::euro
