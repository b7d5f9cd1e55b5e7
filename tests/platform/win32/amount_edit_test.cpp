// An amount field on a Windows edit control: Change raised once for each real change of its text,
// synchronously, whatever the edit control notifies; the keypad's decimal key types the locale's
// decimal separator.
#include "platform/win32/amount_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/message_loop.h"
#include "test_window.h"

namespace trelumo {
namespace {

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
                         [](const auto& info) { return std::string(info.param.name); });

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
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trelumo
