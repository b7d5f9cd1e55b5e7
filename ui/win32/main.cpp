#include <windows.h>

#include "platform/win32/locale_separators.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/runtime_start.h"
#include "ui/main_window/win32/euro_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    trelumo::start_runtime();
    EuroWindow euro(trelumo::system_separators());
    euro.show();
    return trelumo::run_message_loop();
}
