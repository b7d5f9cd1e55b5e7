// The program's message boxes: their one button named "Aceptar" whatever the session's language.
#include "platform/win32/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/application_object.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

std::wstring button_text;

// Reads the box's button and closes the box, from a timer that its own message loop runs.
void CALLBACK read_and_close(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = FindWindowW(L"#32770", wide(app::title()).c_str());
    if (!box) return;
    KillTimer(nullptr, timer);
    wchar_t text[32] = {};
    GetDlgItemTextW(box, IDOK, text, 32);
    button_text = text;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(ProgramMessage, NamesItsButtonAceptar) {
    SetTimer(nullptr, 0, 50, read_and_close);
    show_message(nullptr, "Desbordamiento", MB_ICONERROR);
    EXPECT_EQ(utf8(button_text), "Aceptar");
}

}  // namespace
}  // namespace trelumo
