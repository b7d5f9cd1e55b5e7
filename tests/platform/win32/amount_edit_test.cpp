// An amount field on a Windows edit control: Change raised once for each real change of its text,
// synchronously, whatever the edit control notifies; the keypad's decimal key types the locale's
// decimal separator; a paste puts in the clipboard's whole text, or empties the field when it is
// longer than any amount; ctrl+z goes back one change at a time, what the program emptied included;
// the selection survives the window losing the focus to another and getting it back.
#include "platform/win32/amount_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/message_loop.h"
#include "test_window.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

using testing_win32::put_on_clipboard;
using testing_win32::TestWindow;

struct ChangeCase {
    const char* name;
    std::vector<std::string> writes;
    std::vector<int> changes_after_each;
};

class ChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTest, IsRaisedOnlyOnARealChangeBeforeTheWriteReturns) {
    TestWindow window;
    int changes = 0;
    window.first.on_change([&] { ++changes; });
    std::vector<int> seen;
    for (const std::string& text : GetParam().writes) {
        window.first.set_text(text);
        seen.push_back(changes);
    }
    EXPECT_EQ(seen, GetParam().changes_after_each);
}

INSTANTIATE_TEST_SUITE_P(Table, ChangeTest,
                         testing::Values(ChangeCase{"new_text", {"1,00"}, {1}},
                                         ChangeCase{"same_text_again", {"1,00", "1,00"}, {1, 1}},
                                         ChangeCase{"empty_over_empty", {""}, {0}},
                                         ChangeCase{"back_and_forth", {"1", "2", "1"}, {1, 2, 3}},
                                         ChangeCase{
                                             "accented_text_again", {"Diseño", "Diseño"}, {1, 1}}),
                         trelumo::table::RowName());

TEST(Change, WrittenInsideItsOwnHandlerIsRaisedAgainOnce) {
    TestWindow window;
    std::vector<std::string> texts;
    window.first.on_change([&] {
        texts.push_back(window.first.text());
        if (window.first.text() == "x") window.first.set_text("");
    });
    window.first.set_text("x");
    EXPECT_EQ(texts, (std::vector<std::string>{"x", ""}));
}

TEST(Change, IsRaisedByTyping) {
    TestWindow window;
    int changes = 0;
    window.first.on_change([&] { ++changes; });
    SendMessageW(window.first.hwnd(), WM_CHAR, L'5', 1);
    EXPECT_EQ(window.first.text(), "5");
    EXPECT_EQ(changes, 1);
}

struct KeypadCase {
    const char* name;
    std::string decimal_separator;
    wchar_t keypad_character;
};

class KeypadDecimalTest : public testing::TestWithParam<KeypadCase> {};

TEST_P(KeypadDecimalTest, TypesTheLocalesDecimalSeparator) {
    TestWindow window;
    window.first.set_decimal_separator(GetParam().decimal_separator);
    window.first.set_text("1");
    SendMessageW(window.first.hwnd(), EM_SETSEL, 1, 1);
    MSG press{window.first.hwnd(), WM_KEYDOWN, VK_DECIMAL, 1, 0, {}};
    process_message(press);
    SendMessageW(window.first.hwnd(), WM_CHAR, GetParam().keypad_character, 1);
    EXPECT_EQ(window.first.text(), "1" + GetParam().decimal_separator);
}

INSTANTIATE_TEST_SUITE_P(Table, KeypadDecimalTest,
                         testing::Values(KeypadCase{"comma_from_a_point_key", ",", L'.'},
                                         KeypadCase{"point_from_a_comma_key", ".", L','},
                                         KeypadCase{"arabic_decimal_separator", "\u066B", L'.'}),
                         trelumo::table::RowName());

struct PasteCase {
    const char* name;
    std::wstring clipboard;
    std::string field;
};

class PasteTest : public testing::TestWithParam<PasteCase> {};

// The field holds 7, selected, when the clipboard is pasted; ctrl+z then brings 7 back.
TEST_P(PasteTest, PutsInAnAmountOrEmptiesTheField) {
    TestWindow window;
    const HWND edit = window.first.hwnd();
    window.first.set_text("7");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    put_on_clipboard(window.hwnd(), GetParam().clipboard);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(window.first.text(), GetParam().field);
    SendMessageW(edit, WM_CHAR, 0x1A, 1);
    EXPECT_EQ(window.first.text(), "7");
}

INSTANTIATE_TEST_SUITE_P(
    Table, PasteTest,
    testing::Values(PasteCase{"line_end_first", L"\r\n5", "5"},
                    PasteCase{"more_than_one_line", L"5\r\n6", "5\r\n6"},
                    PasteCase{"blanks_around_beyond_the_controls_own_limit",
                              std::wstring(40000, L' ') + L"12345\r\n", "12345"},
                    PasteCase{"a_megabyte_of_digits", std::wstring(1 << 20, L'1'), ""}),
    trelumo::table::RowName());

struct UndoCase {
    const char* name;
    std::string text;
    int selection_start;
    int selection_end;
    std::wstring typed;
    UINT pressed;  // a virtual key pressed after the typing, or 0
    std::string after_ctrl_z;
    int selected_start;
    int selected_end;
};

class UndoTest : public testing::TestWithParam<UndoCase> {};

// The field is emptied by the program, as the amount fields do, when a letter is in it.
TEST_P(UndoTest, BringsBackWhatTheProgramEmptied) {
    const UndoCase& row = GetParam();
    TestWindow window;
    const HWND edit = window.first.hwnd();
    window.first.set_text(row.text);
    window.first.on_change([&] {
        if (window.first.text().find_first_not_of("0123456789,") != std::string::npos)
            window.first.set_text("");
    });
    SendMessageW(edit, EM_SETSEL, row.selection_start, row.selection_end);
    for (const wchar_t character : row.typed) SendMessageW(edit, WM_CHAR, character, 1);
    if (row.pressed) SendMessageW(edit, WM_KEYDOWN, row.pressed, 1);
    SendMessageW(edit, WM_CHAR, 0x1A, 1);  // ctrl+z, as TranslateMessage gives it
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(window.first.text(), row.after_ctrl_z);
    EXPECT_EQ(std::make_pair(start, end),
              std::make_pair(DWORD(row.selected_start), DWORD(row.selected_end)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, UndoTest,
    testing::Values(UndoCase{"letter_over_the_selection", "5,00", 0, 4, L"x", 0, "5,00", 0, 4},
                    UndoCase{"letter_at_the_caret", "12", 1, 1, L"a", 0, "12", 1, 1},
                    UndoCase{"two_letters_in_a_row", "12", 2, 2, L"ab", 0, "12", 2, 2},
                    UndoCase{"deleted_by_the_user", "5", 0, 1, L"", VK_DELETE, "5", 0, 1},
                    // ctrl+z twice: the 9, then the emptying the x brought.
                    UndoCase{"typed_after_an_emptying", "0,00", 0, 4, L"45x9\x1A", 0, "45", 2, 2},
                    UndoCase{"back_to_the_text_the_focus_came_in_to_and_no_further", "0,00", 0, 4,
                             L"4x9\x1A\x1A\x1A\x1A", 0, "0,00", 0, 4},
                    // ctrl+z twice, ctrl+y: 45 again, then ctrl+z: 4.
                    UndoCase{"undo_after_redo", "0,00", 0, 4, L"45x\x1A\x1A\x19", 0, "4", 1, 1}),
    trelumo::table::RowName());

TEST(Undo, BeginsWhereTheProgramWritesTheText) {
    TestWindow window;
    window.first.set_text("1");
    SendMessageW(window.first.hwnd(), EM_SETSEL, 1, 1);
    SendMessageW(window.first.hwnd(), WM_CHAR, L'2', 1);
    window.first.set_text("12");  // the same text, as GotFocus writes it
    SendMessageW(window.first.hwnd(), WM_CHAR, 0x1A, 1);
    EXPECT_EQ(window.first.text(), "12");
}

struct AwayCase {
    const char* name;
    bool other_window_closed;  // or left open, its owner made active again
};

class AwayAndBackTest : public testing::TestWithParam<AwayCase> {};

TEST_P(AwayAndBackTest, KeepsTheFieldsSelection) {
    TestWindow window;
    SetFocus(window.second.hwnd());
    window.second.set_text("1.234,50");
    SendMessageW(window.second.hwnd(), EM_SETSEL, 0, -1);
    {
        TestWindow other;
        ASSERT_EQ(GetActiveWindow(), other.hwnd());
        if (!GetParam().other_window_closed) window.show();
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window.second.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(GetFocus(), window.second.hwnd());
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(0), DWORD(8)));
}

INSTANTIATE_TEST_SUITE_P(Table, AwayAndBackTest,
                         testing::Values(AwayCase{"other_window_closed", true},
                                         AwayCase{"owner_made_active_again", false}),
                         trelumo::table::RowName());

}  // namespace
}  // namespace trelumo
