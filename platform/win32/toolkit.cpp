#include "platform/win32/toolkit.h"

#include <windows.h>

#include <deque>

#include "platform/win32/application_object.h"
#include "platform/win32/message_box.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

constexpr UINT task_message = WM_APP + 1;

class WindowsToolkit : public Toolkit {
public:
    void post(std::function<void()> task) override {
        tasks_.push_back(std::move(task));
        PostMessageW(poster(), task_message, 0, 0);
    }

    void show_error(const std::string& text) override {
        show_message(GetActiveWindow(), text, MB_ICONERROR | MB_TASKMODAL);
    }

    void close_all_windows() override {
        EnumThreadWindows(GetCurrentThreadId(), destroy_window, 0);
        PostQuitMessage(0);
    }

private:
    // A message-only window: what is posted to it is handled once the current event is over, by
    // the main message loop or by any modal one (a menu, a message box) that runs meanwhile.
    static HWND poster() {
        static const HWND window = [] {
            WNDCLASSW window_class{};
            window_class.lpfnWndProc = procedure;
            window_class.hInstance = GetModuleHandleW(nullptr);
            window_class.lpszClassName = L"TrelumoPoster";
            RegisterClassW(&window_class);
            return CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr, window_class.hInstance, nullptr);
        }();
        return window;
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message != task_message || tasks_.empty()) return DefWindowProcW(window, message, w, l);
        const std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        task();
        return 0;
    }

    static BOOL CALLBACK destroy_window(HWND window, LPARAM) {
        if (window != poster()) DestroyWindow(window);
        return TRUE;
    }

    static inline std::deque<std::function<void()>> tasks_;
};

}  // namespace

Toolkit& windows_toolkit() {
    static WindowsToolkit toolkit;
    return toolkit;
}

}  // namespace trelumo
