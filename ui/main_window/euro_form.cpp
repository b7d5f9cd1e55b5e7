#include "ui/main_window/euro_form.h"

#include <string>

#include "platform/runtime/application.h"
#include "ui/main_window/euro_layout.h"

namespace trelumo::euro {

void Form_Load(AmountView& window) {
    app::set_help_file(std::string(help_file));
    window.set_text(AmountField::euro, euro_at_start);
    window.set_text(AmountField::pts, pts_at_start);
}

}  // namespace trelumo::euro
