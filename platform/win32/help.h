// Help: a help file name such as "TRELUMO.HLP" stands for the document trelumo.html, whose text,
// made from it when the program is built, the program carries as a resource of that name and
// shows in a help window of its own.
#pragma once

#include <string>

namespace trelumo {

/// Shows the help document's text in the help window, or says in a message box that the program
/// carries no such document.
void show_help(const std::string& help_file);

}  // namespace trelumo
