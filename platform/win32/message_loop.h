// The program's message loop.
#pragma once

#include <windows.h>

namespace trelumo {

/// Handles one message as the program's message loop does: F1 opens the help file, Ctrl+A
/// selects the whole text of a field, TAB, Shift+TAB, Enter and Esc act within the program's
/// window, and the rest is dispatched to its window.
void process_message(MSG& message);

/// Runs the message loop until the program ends; returns its exit status.
int run_message_loop();

}  // namespace trelumo
