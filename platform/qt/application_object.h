// The application object: the program's title and version, and the help file that F1 opens.
#pragma once

#include <QString>

namespace trelumo::app {

QString title();
int major();
int minor();
int revision();

QString help_file();
void set_help_file(const QString& name);

}  // namespace trelumo::app
