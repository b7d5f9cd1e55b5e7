// The program's message loop.
#pragma once

#include <windows.h>

namespace trelumo {

/// The commands of the program's keys (its accelerator table), which every window of the
/// program answers (Window): F1 opens the help file, Ctrl+A selects the whole text of a field.
enum KeyCommand : WORD { help_key_command = 0x7F01, select_all_key_command };

/// Handles one message as the program's message loop does: the program's keys, then TAB,
/// Shift+TAB, Enter and Esc within the program's window, and the rest dispatched to its window.
void process_message(MSG& message);

/// Runs the message loop until the program ends; returns its exit status.
int run_message_loop();

}  // namespace trelumo
