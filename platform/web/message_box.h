#pragma once

#include <string_view>

namespace trelumo::web {

/// A message box of the program's over the page: its title, an error icon, the text and one
/// button, "Aceptar", which has the focus; Enter and Escape close it too. It is modal: the rest of
/// the page is inert until it closes, and the focus then goes back where it was. Returns at once.
void show_error_box(std::string_view title, std::string_view text);

/// Takes every message box out of the page.
void close_message_boxes();

}  // namespace trelumo::web
