// The application object: the program's title and version, read from the program file's own
// version record, and the help file that F1 opens.
#pragma once

#include <string>

namespace trelumo::app {

std::string title();
int major();
int minor();
int revision();

std::string help_file();
void set_help_file(const std::string& name);

}  // namespace trelumo::app
