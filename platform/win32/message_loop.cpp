#include "platform/win32/message_loop.h"

#include "platform/win32/application_object.h"
#include "platform/win32/help.h"
#include "platform/win32/window.h"

namespace trelumo {
namespace {

bool is_edit(HWND window) {
    wchar_t name[8] = {};
    return window && GetClassNameW(window, name, 8) && lstrcmpiW(name, L"Edit") == 0;
}

bool key_down(int key) {
    return GetKeyState(key) < 0;
}

}  // namespace

void process_message(MSG& message) {
    if (message.message == WM_KEYDOWN) {
        const bool control = key_down(VK_CONTROL);
        const bool other_modifier = key_down(VK_SHIFT) || key_down(VK_MENU);
        if (message.wParam == VK_F1 && !control && !other_modifier) {
            show_help(app::help_file());
            return;
        }
        if (message.wParam == 'A' && control && !other_modifier && is_edit(message.hwnd)) {
            SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
            return;
        }
    }
    const HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && is_program_window(window) && IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) process_message(message);
    return static_cast<int>(message.wParam);
}

}  // namespace trelumo
