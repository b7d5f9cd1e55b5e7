#include "platform/qt/application_object.h"

#include "trelumo_version.h"

namespace trelumo::app {
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

}  // namespace trelumo::app
