// The application object: the program's title and version. Its help file name is the runtime's
// (platform/runtime/application.h).
#pragma once

#include <QString>

namespace trelumo::app {

QString title();
int major();
int minor();
int revision();

}  // namespace trelumo::app
