// Handlers run through the dispatcher: what reaches the user when they fail, and that nothing
// runs once the program ends.
#include "platform/runtime/event_dispatch.h"

#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

using testing_runtime::FakeToolkit;

const std::function<void()> overflows = [] { throw overflow_error(); };
const std::function<void()> mismatches = [] { throw type_mismatch_error(); };

class EventDispatchTest : public testing::Test {
protected:
    FakeToolkit toolkit_;
    EventDispatch dispatch_{&toolkit_};
};

TEST_F(EventDispatchTest, AnErrorIsShownAfterTheEventAndTheProgramGoesOn) {
    bool ran_on = false;
    dispatch_.run(overflows);
    EXPECT_TRUE(toolkit_.errors.empty());  // not while the event is still being handled
    toolkit_.finish_event();
    EXPECT_EQ(toolkit_.errors,
              std::vector<std::string>{"Se ha producido el error '6' en tiempo de ejecución:\n\n"
                                       "Desbordamiento"});
    dispatch_.run([&] { ran_on = true; });
    EXPECT_TRUE(ran_on);
    EXPECT_EQ(toolkit_.closed, 0);
}

TEST_F(EventDispatchTest, TwoHandlersFailingInOneEventGiveOneReportTheFirst) {
    dispatch_.run(overflows);
    dispatch_.run(mismatches);
    toolkit_.finish_event();
    ASSERT_EQ(toolkit_.errors.size(), 1u);
    EXPECT_TRUE(toolkit_.errors[0].ends_with("Desbordamiento"));
}

TEST_F(EventDispatchTest, EachEventGetsItsOwnReport) {
    dispatch_.run(overflows);
    toolkit_.finish_event();
    dispatch_.run(mismatches);
    toolkit_.finish_event();
    EXPECT_EQ(toolkit_.errors.size(), 2u);
}

TEST_F(EventDispatchTest, NothingRunsNorIsReportedOnceTheProgramEnds) {
    bool ran = false;
    dispatch_.run(overflows);
    dispatch_.run([this] { dispatch_.end_program(); });
    dispatch_.run([&] { ran = true; });
    dispatch_.end_program();
    toolkit_.finish_event();
    EXPECT_FALSE(ran);
    EXPECT_TRUE(toolkit_.errors.empty());
    EXPECT_EQ(toolkit_.closed, 1);
}

}  // namespace
}  // namespace trelumo
