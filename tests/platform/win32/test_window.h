// A window of the program's kind with two edit fields, for the Windows layer's tests. It hands its
// fields' notifications to their AmountEdits, as the program's windows do.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/amount_edit.h"
#include "platform/win32/window.h"

namespace trelumo::testing_win32 {

class TestWindow : public Window {
public:
    TestWindow() {
        create({.class_name = L"TrelumoTestWindow",
                .style = WS_OVERLAPPEDWINDOW,
                .ex_style = WS_EX_CONTROLPARENT,
                .client_width = 300 * 15,
                .client_height = 60 * 15,
                .background = window_colour,
                .keeps_program_running = false},
               "Test");
        first.attach(make_field(1, 10));
        second.attach(make_field(2, 150));
        show();
    }

    AmountEdit first;
    AmountEdit second;

private:
    HWND make_field(int id, int left) {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                               left, 10, 120, 20, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }

    LRESULT handle_message(UINT message, WPARAM w, LPARAM l) override {
        if (message == WM_COMMAND && l) {
            (LOWORD(w) == 1 ? first : second).notified(HIWORD(w));
            return 0;
        }
        return Window::handle_message(message, w, l);
    }
};

/// Puts text on the clipboard, as another program would when the user copies it there.
inline void put_on_clipboard(HWND owner, const std::wstring& text) {
    OpenClipboard(owner);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

}  // namespace trelumo::testing_win32
