// GotFocus and LostFocus as the handlers see them, for focus changes as a toolkit tells them.
#include "platform/runtime/focus_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_toolkit.h"
#include "platform/types/run_time_error.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

struct FocusCase {
    const char* name;
    std::vector<std::string> steps;  // "start a", "enter a" (a, b watched; x not), "forget a"
    std::vector<std::string> events;
};

using table::PrintTo;

class FocusSequenceTest : public testing::TestWithParam<FocusCase> {
protected:
    FocusSequence::Control control(char name) const { return &controls_[name - 'a']; }

    testing_runtime::FakeToolkit toolkit_;
    EventDispatch dispatch_{&toolkit_};
    FocusSequence focus_{dispatch_};
    std::vector<std::string> events_;
    char controls_[24] = {};
};

TEST_P(FocusSequenceTest, LostFocusOfTheOldControlThenGotFocusOfTheNewOnlyForMoves) {
    for (const char name : {'a', 'b'}) {
        const std::string text(1, name);
        focus_.watch(control(name), {[this, text] { events_.push_back(text + ".Got"); },
                                     [this, text] { events_.push_back(text + ".Lost"); }});
    }
    for (const std::string& step : GetParam().steps) {
        const FocusSequence::Control which = control(step.back());
        if (step.starts_with("start")) focus_.start_in(which);
        if (step.starts_with("enter")) focus_.focus_entered(which);
        if (step.starts_with("forget")) focus_.forget(which);
    }
    EXPECT_EQ(events_, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FocusSequenceTest,
    testing::Values(
        FocusCase{"Start", {"start a"}, {"a.Got"}},
        FocusCase{"StartThenItsOwnFocus", {"start a", "enter a"}, {"a.Got"}},
        FocusCase{"ToTheOther", {"start a", "enter b"}, {"a.Got", "a.Lost", "b.Got"}},
        FocusCase{"AndBack",
                  {"enter a", "enter b", "enter a"},
                  {"a.Got", "a.Lost", "b.Got", "b.Lost", "a.Got"}},
        FocusCase{"AwayAndBackToTheSame", {"start a", "enter x", "enter a"}, {"a.Got"}},
        FocusCase{
            "AwayThenToTheOther", {"start a", "enter x", "enter b"}, {"a.Got", "a.Lost", "b.Got"}},
        FocusCase{"FromOneDestroyed", {"start a", "forget a", "enter b"}, {"a.Got", "b.Got"}},
        FocusCase{"ToOneDestroyed", {"start a", "forget b", "enter b"}, {"a.Got"}}),
    table::RowName());

TEST(FocusSequence, AFailingLostFocusStillLetsGotFocusRunAndIsReportedOnce) {
    testing_runtime::FakeToolkit toolkit;
    EventDispatch dispatch(&toolkit);
    FocusSequence focus(dispatch);
    const char a = 0, b = 0;
    bool got = false;
    focus.watch(&a, {nullptr, [] { throw RunTimeError(6, "Desbordamiento"); }});
    focus.watch(&b, {[&] {
                         got = true;
                         throw RunTimeError(13, "No coinciden los tipos");
                     },
                     nullptr});
    focus.start_in(&a);
    focus.focus_entered(&b);
    toolkit.finish_event();
    EXPECT_TRUE(got);
    ASSERT_EQ(toolkit.errors.size(), 1u);
    EXPECT_TRUE(toolkit.errors[0].ends_with("Desbordamiento"));
}

}  // namespace
}  // namespace trelumo
