// The stored layout of the main window `euro`: the window and its controls, in twips, in tab
// order. Only the two text fields take the focus.
#pragma once

#include <array>

#include "platform/runtime/program_texts.h"
#include "platform/win32/layout.h"
#include "ui/main_window/win32/euro_resource.h"

namespace euro_layout {

using trelumo::ControlKind;

enum Id { Label1 = 1, Label2, text_euro, text_pts, Label3, Label4, result, fizq, fdcha };

inline constexpr const char* title = "Trelumo";
inline constexpr int client_width = 5775;
inline constexpr int client_height = 1815;
/// The window's own colour: system colour 0.
inline constexpr trelumo::ColourValue back_colour = trelumo::scroll_bar_colour;

inline constexpr trelumo::Font times_bold{L"Times New Roman", 12, true, FF_ROMAN};
inline constexpr const char* field_tooltip = "Introduzca valor y pulse TAB";

// clang-format off
inline constexpr std::array<trelumo::ControlLayout, 9> controls{{
    {.id = Label1, .kind = ControlKind::label,
     .left = 240, .top = 360, .width = 855, .height = 255, .caption = "Euros:",
     .names = text_euro},
    {.id = Label2, .kind = ControlKind::label,
     .left = 3360, .top = 360, .width = 855, .height = 255, .caption = "Pesetas:",
     .names = text_pts},
    {.id = text_euro, .kind = ControlKind::text_field,
     .left = 240, .top = 600, .width = 1575, .height = 285, .tooltip = field_tooltip,
     .style = ES_RIGHT},
    {.id = text_pts, .kind = ControlKind::text_field,
     .left = 3360, .top = 600, .width = 1575, .height = 285, .tooltip = field_tooltip,
     .style = ES_RIGHT},
    {.id = Label3, .kind = ControlKind::label,
     .left = 1920, .top = 600, .width = 735, .height = 255, .caption = "Euros",
     .font = &times_bold},
    {.id = Label4, .kind = ControlKind::label,
     .left = 5040, .top = 600, .width = 495, .height = 255, .caption = "Ptas.",
     .font = &times_bold},
    {.id = result, .kind = ControlKind::label,
     .left = 120, .top = 1320, .width = 5535, .height = 255, .tooltip = "Resultado",
     .back_colour = trelumo::window_colour,
     .style = SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | SS_NOPREFIX, .live_region = true},
    {.id = fizq, .kind = ControlKind::picture,
     .left = 2640, .top = 480, .width = 480, .height = 480, .picture = FIZQ_PICTURE,
     .visible = false, .reader_name = trelumo::texts::pesetas_to_euros},
    {.id = fdcha, .kind = ControlKind::picture,
     .left = 2760, .top = 480, .width = 480, .height = 480, .picture = FDCHA_PICTURE,
     .visible = false, .reader_name = trelumo::texts::euros_to_pesetas},
}};
// clang-format on

}  // namespace euro_layout
