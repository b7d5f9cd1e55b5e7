// A window that cannot be made at start, or a control of it: a Spanish message box says so, and
// once it is closed the program ends with exit status 1.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/table_row.h"

namespace {

BOOL CALLBACK append_text(HWND control, LPARAM text) {
    wchar_t part[512] = {};
    GetWindowTextW(control, part, 512);
    *reinterpret_cast<std::wstring*>(text) += part;
    return TRUE;
}

struct NotMadeCase {
    const char* name;
    const wchar_t* what;  // window_not_made's argument
};

using trelumo::table::PrintTo;

class WindowNotMade : public testing::TestWithParam<NotMadeCase> {};

TEST_P(WindowNotMade, IsSaidInSpanishAndEndsTheProgramWithStatusOne) {
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    program.replace(program.find_last_of(L"\\/") + 1, std::wstring::npos, L"window_not_made.exe");
    std::wstring command_line = L"\"" + program + L"\" " + GetParam().what;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process));

    HWND box = nullptr;
    for (int tries = 0; tries < 200 && !box; ++tries) {
        Sleep(50);
        box = FindWindowW(L"#32770", L"Trelumo");
    }
    std::wstring text;
    if (box) {
        EnumChildWindows(box, append_text, reinterpret_cast<LPARAM>(&text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    ASSERT_NE(box, nullptr) << "no message box titled Trelumo";
    EXPECT_NE(text.find(L"Trelumo no puede abrir la ventana «Imposible»."), std::wstring::npos);
    EXPECT_TRUE(ended);
    EXPECT_EQ(status, 1u);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowNotMade,
                         testing::Values(NotMadeCase{"window", L""},
                                         NotMadeCase{"control", L"control"}),
                         trelumo::table::RowName());

}  // namespace
