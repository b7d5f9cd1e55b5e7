#include "platform/qt/application_object.h"

#include "trelumo_version.h"

namespace trelumo::app {
namespace {
QString help_file_name;
}

QString title() {
    return QStringLiteral(TRELUMO_TITLE);
}
int major() {
    return TRELUMO_VERSION_MAJOR;
}
int minor() {
    return TRELUMO_VERSION_MINOR;
}
int revision() {
    return TRELUMO_VERSION_PATCH;
}

QString help_file() {
    return help_file_name;
}
void set_help_file(const QString& name) {
    help_file_name = name;
}

}  // namespace trelumo::app
