// The application object's help file name, which the main window's load sets and F1 opens. The
// title and version are the toolkit's to read (platform/*/application_object.h).
#pragma once

#include <string>

namespace trelumo::app {

std::string help_file();
void set_help_file(std::string name);

}  // namespace trelumo::app
