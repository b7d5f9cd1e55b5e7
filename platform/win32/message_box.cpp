#include "platform/win32/message_box.h"

#include "platform/win32/application_object.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

thread_local HHOOK box_hook = nullptr;

// Names the button of the message box as it is first activated, then takes itself away.
LRESULT CALLBACK name_the_button(int code, WPARAM w, LPARAM l) {
    const HHOOK hook = box_hook;
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(w);
        wchar_t class_name[8] = {};
        GetClassNameW(window, class_name, 8);
        if (lstrcmpW(class_name, L"#32770") == 0) {
            SetDlgItemTextW(window, IDOK, L"Aceptar");
            UnhookWindowsHookEx(hook);
            box_hook = nullptr;
        }
    }
    return CallNextHookEx(hook, code, w, l);
}

}  // namespace

void show_message(HWND owner, std::string_view text, UINT icon) {
    box_hook = SetWindowsHookExW(WH_CBT, name_the_button, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, wide(text).c_str(), wide(app::title()).c_str(), MB_OK | icon);
    if (box_hook) UnhookWindowsHookEx(box_hook);
    box_hook = nullptr;
}

}  // namespace trelumo
