// A program whose window cannot be made (a top-level window with the child style), run by
// window_not_made_test: the Windows layer is to say so in a message box and end it with status 1.
#include <windows.h>

#include "platform/win32/runtime_start.h"
#include "platform/win32/window.h"

namespace {

class ImpossibleWindow : public trelumo::Window {
public:
    ImpossibleWindow() {
        create({.class_name = L"TrelumoImpossible",
                .style = WS_CHILD,
                .ex_style = 0,
                .client_width = 1500,
                .client_height = 1500,
                .background = trelumo::window_colour},
               "Imposible");
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    trelumo::start_runtime();
    const ImpossibleWindow window;
    return 0;
}
