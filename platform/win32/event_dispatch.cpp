#include "platform/win32/event_dispatch.h"

#include <windows.h>

#include <string>

#include "platform/types/run_time_error.h"
#include "platform/win32/application_object.h"
#include "platform/win32/wide_text.h"

namespace trelumo::event_dispatch {
namespace {

constexpr UINT report_message = WM_APP + 1;

bool program_ending = false;
bool report_pending = false;
std::wstring pending_text;

LRESULT CALLBACK reporter_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message != report_message) return DefWindowProcW(window, message, w, l);
    report_pending = false;
    if (!program_ending) {
        const std::wstring text = std::move(pending_text);
        MessageBoxW(GetActiveWindow(), text.c_str(), wide(app::title()).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    return 0;
}

// A message-only window: what is posted to it is handled once the current event is over, by the
// main message loop or by any modal one (a menu, a message box) that runs meanwhile.
HWND reporter() {
    static HWND window = [] {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = reporter_procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"TrelumoErrorReporter";
        RegisterClassW(&window_class);
        return CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, window_class.hInstance, nullptr);
    }();
    return window;
}

void report_after_current_event(const RunTimeError& error) {
    // One event can fail in two handlers (the field left and the field entered): one report.
    if (report_pending) return;
    report_pending = true;
    pending_text = wide(error.report());
    PostMessageW(reporter(), report_message, 0, 0);
}

BOOL CALLBACK destroy_window(HWND window, LPARAM) {
    if (window != reporter()) DestroyWindow(window);
    return TRUE;
}

}  // namespace

void run(const std::function<void()>& handler) {
    if (program_ending || !handler) return;
    try {
        handler();
    } catch (const RunTimeError& error) {
        report_after_current_event(error);
    }
}

void end_program() {
    if (program_ending) return;
    program_ending = true;
    EnumThreadWindows(GetCurrentThreadId(), destroy_window, 0);
    PostQuitMessage(0);
}

bool ending() {
    return program_ending;
}

}  // namespace trelumo::event_dispatch
