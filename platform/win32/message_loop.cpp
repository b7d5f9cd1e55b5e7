#include "platform/win32/message_loop.h"

#include "platform/win32/window.h"

namespace trelumo {
namespace {

HACCEL accelerators() {
    static ACCEL keys[] = {{FVIRTKEY, VK_F1, help_key_command},
                           {FVIRTKEY | FCONTROL, 'A', select_all_key_command}};
    static const HACCEL table = CreateAcceleratorTableW(keys, 2);
    return table;
}

}  // namespace

void process_message(MSG& message) {
    const HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && is_program_window(window) &&
        (TranslateAcceleratorW(window, accelerators(), &message) ||
         IsDialogMessageW(window, &message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) process_message(message);
    return static_cast<int>(message.wParam);
}

}  // namespace trelumo
