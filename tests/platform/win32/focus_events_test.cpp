// GotFocus and LostFocus of two fields of a window, in the order the handlers see them, for focus
// moves by code, by TAB and Shift+TAB, and to another window and back.
#include "platform/win32/focus_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/message_loop.h"
#include "test_window.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

using testing_win32::TestWindow;

void press_tab(bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG press{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    process_message(press);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

struct FocusCase {
    const char* name;
    std::vector<std::string> steps;  // first, second, tab, shift+tab, other window
    std::vector<std::string> events;
};

class FocusEventsTest : public testing::TestWithParam<FocusCase> {
protected:
    void SetUp() override {
        for (auto* field : {&window_.first, &window_.second}) {
            const std::string name = field == &window_.first ? "first" : "second";
            focus_events_.watch(field->hwnd(),
                                {[this, name] { events_.push_back(name + ".Got"); },
                                 [this, name] { events_.push_back(name + ".Lost"); }});
        }
    }

    void step(const std::string& action) {
        if (action == "first") SetFocus(window_.first.hwnd());
        if (action == "second") SetFocus(window_.second.hwnd());
        if (action == "tab") press_tab(false);
        if (action == "shift+tab") press_tab(true);
        if (action == "other window") SetFocus(other_.first.hwnd());
    }

    TestWindow window_;
    TestWindow other_;
    FocusEvents focus_events_;
    std::vector<std::string> events_;
};

TEST_P(FocusEventsTest, RaisesLostFocusBeforeGotFocusOnlyForMovesBetweenTheFields) {
    focus_events_.start_in(window_.first.hwnd());
    for (const std::string& action : GetParam().steps) step(action);
    EXPECT_EQ(events_, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FocusEventsTest,
    testing::Values(
        FocusCase{"start_up", {}, {"first.Got"}},
        FocusCase{"to_the_other_field", {"second"}, {"first.Got", "first.Lost", "second.Got"}},
        FocusCase{"and_back",
                  {"second", "first"},
                  {"first.Got", "first.Lost", "second.Got", "second.Lost", "first.Got"}},
        FocusCase{"tab", {"tab"}, {"first.Got", "first.Lost", "second.Got"}},
        FocusCase{
            "shift_tab_wraps_round", {"shift+tab"}, {"first.Got", "first.Lost", "second.Got"}},
        FocusCase{"tab_twice",
                  {"tab", "tab"},
                  {"first.Got", "first.Lost", "second.Got", "second.Lost", "first.Got"}},
        FocusCase{"same_field_again", {"first"}, {"first.Got"}},
        FocusCase{"other_window_and_back", {"other window", "first"}, {"first.Got"}}),
    trelumo::table::RowName());

}  // namespace
}  // namespace trelumo
