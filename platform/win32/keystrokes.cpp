#include "platform/win32/keystrokes.h"

#include <charconv>
#include <optional>
#include <string>

#include "platform/win32/message_loop.h"

namespace trelumo {
namespace {

std::optional<WORD> key_named(std::string name) {
    for (char& c : name) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (name == "ENTER") return VK_RETURN;
    if (name == "ESC") return VK_ESCAPE;
    if (name == "TAB") return VK_TAB;
    int number = 0;
    if (name.size() >= 2 && name[0] == 'F') {
        const auto [end, error] =
            std::from_chars(name.data() + 1, name.data() + name.size(), number);
        if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 12)
            return static_cast<WORD>(VK_F1 + number - 1);
    }
    return std::nullopt;
}

}  // namespace

bool send_keys(std::string_view keys, HWND fallback) {
    if (keys.size() < 3 || keys.front() != '{' || keys.back() != '}') return false;
    const auto key = key_named(std::string(keys.substr(1, keys.size() - 2)));
    HWND target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (!target) target = fallback;
    if (!key || !target) return false;
    const UINT scan_code = MapVirtualKeyW(*key, MAPVK_VK_TO_VSC);
    MSG press{target, WM_KEYDOWN, *key, static_cast<LPARAM>(1 | (scan_code << 16)), 0, {}};
    MSG release{target, WM_KEYUP,
                *key,   static_cast<LPARAM>(1 | (scan_code << 16) | (1u << 30) | (1u << 31)),
                0,      {}};
    process_message(press);
    process_message(release);
    return true;
}

}  // namespace trelumo
