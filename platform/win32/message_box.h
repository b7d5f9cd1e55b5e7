#pragma once

#include <windows.h>

#include <string_view>

namespace trelumo {

/// A message box of the program's: its title, the icon given (MB_ICONERROR, MB_ICONWARNING and
/// the like), and its one button named "Aceptar" whatever the session's language, in which the
/// system's own box would name it. Returns once the box is closed.
void show_message(HWND owner, std::string_view text, UINT icon);

}  // namespace trelumo
