#include "platform/web/application_object.h"

#include "trelumo_version.h"

namespace trelumo::app {

std::string title() {
    return TRELUMO_TITLE;
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
