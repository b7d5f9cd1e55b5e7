#include "platform/web/locale_separators.h"
#include "platform/web/runtime_start.h"
#include "ui/main_window/web/euro_window.h"

int main() {
    trelumo::start_runtime();
    // The page goes on when main returns: the browser's event loop runs the program from here on.
    auto* euro = new trelumo::web::EuroWindow(trelumo::system_separators());
    euro->show();
    return 0;
}
