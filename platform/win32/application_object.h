// The application object: the program's title and version, read from the program file's own
// version record. Its help file name is the runtime's (platform/runtime/application.h).
#pragma once

#include <string>

namespace trelumo::app {

std::string title();
int major();
int minor();
int revision();

}  // namespace trelumo::app
