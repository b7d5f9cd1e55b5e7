// A program whose window cannot be made (a top-level window with the child style), or with
// "control", whose window is made but not its control (its parent gone), run by
// window_not_made_test: the Windows layer is to say so in a message box and end it with status 1.
#include <windows.h>

#include <array>
#include <string_view>

#include "platform/win32/runtime_start.h"
#include "platform/win32/stored_layout.h"
#include "platform/win32/window.h"

namespace {

constexpr std::array<trelumo::ControlLayout, 1> controls{{{.name = "field",
                                                           .kind = trelumo::ControlKind::text_field,
                                                           .left = 0,
                                                           .top = 0,
                                                           .width = 600,
                                                           .height = 300}}};
constexpr trelumo::WindowLayout layout{.title = "Imposible", .controls = controls};

class ImpossibleWindow : public trelumo::Window {
public:
    explicit ImpossibleWindow(bool control) {
        create({.class_name = L"TrelumoImpossible",
                .style = static_cast<DWORD>(control ? WS_OVERLAPPEDWINDOW : WS_CHILD),
                .ex_style = 0,
                .client_width = 1500,
                .client_height = 1500,
                .background = trelumo::window_colour,
                .keeps_program_running = !control},
               "Imposible");
        if (!control) return;
        const HWND gone = hwnd();
        DestroyWindow(gone);
        controls_.create(gone, layout, USER_DEFAULT_SCREEN_DPI);
    }

private:
    trelumo::StoredLayout controls_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    trelumo::start_runtime();
    const ImpossibleWindow window(std::wstring_view(command_line) == L"control");
    return 0;
}
