#include "platform/runtime/application.h"

namespace trelumo::app {
namespace {
std::string help_file_name;
}

std::string help_file() {
    return help_file_name;
}

void set_help_file(std::string name) {
    help_file_name = std::move(name);
}

}  // namespace trelumo::app
