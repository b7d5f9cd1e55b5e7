// Help: a help file name such as "TRELUMO.HLP" stands for the document trelumo.html, which the
// page carries (its body, put in the page when the site is built) and shows in a help window.
#pragma once

#include <string>

namespace trelumo {

/// Shows the help document in the help window, one for the program, brought to the front when it
/// is open; or says in a message box that the page carries no such document.
void show_help(const std::string& help_file);

/// Makes F1 open the application's help file wherever the focus is.
void install_help_key();

}  // namespace trelumo
