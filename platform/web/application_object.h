// The application object: the program's title and version, from the project's version, as the
// desktop programs have them. Its help file name is the runtime's (platform/runtime/application.h).
#pragma once

#include <string>

namespace trelumo::app {

std::string title();
int major();
int minor();
int revision();

}  // namespace trelumo::app
