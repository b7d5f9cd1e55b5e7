#include "platform/web/keystrokes.h"

#include "platform/web/dom.h"

namespace trelumo {

bool send_keys(std::string_view keys) {
    if (keys != "{F1}") return false;
    web::Element::focused().send_key("F1");
    return true;
}

}  // namespace trelumo
