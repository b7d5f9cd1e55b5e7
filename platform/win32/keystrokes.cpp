#include "platform/win32/keystrokes.h"

#include "platform/win32/message_loop.h"

namespace trelumo {

bool send_keys(std::string_view keys, HWND fallback) {
    HWND target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (!target) target = fallback;
    if (keys != "{F1}" || !target) return false;
    const auto scan_code = static_cast<LPARAM>(MapVirtualKeyW(VK_F1, MAPVK_VK_TO_VSC));
    MSG press{target, WM_KEYDOWN, VK_F1, 1 | (scan_code << 16), 0, {}};
    MSG release{target, WM_KEYUP, VK_F1, 1 | (scan_code << 16) | (3LL << 30), 0, {}};
    process_message(press);
    process_message(release);
    return true;
}

}  // namespace trelumo
