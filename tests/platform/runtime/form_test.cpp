// A window's load and unload through its Form, with windows a fake toolkit makes and destroys.
#include "platform/runtime/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace trelumo {
namespace {

std::vector<std::string> log;

struct TestWindow {
    void Form_Load() { log.push_back("load"); }
    std::function<void()> gone;
};

struct FakeWindows {
    template <class Window>
    static Window* make(std::function<void()> gone) {
        log.push_back("make");
        return new Window{std::move(gone)};
    }
    static void show(TestWindow&) { log.push_back("show"); }
    static void destroy(TestWindow& window) {
        log.push_back("destroy");
        const auto gone = std::move(window.gone);
        delete &window;
        gone();
    }
};

using TestForm = runtime::Form<TestWindow, FakeWindows>;

TEST(Form, LoadsOnFirstShowOnlyAndAfreshAfterEachUnload) {
    TestForm& form = TestForm::instance();
    EXPECT_EQ(&form, &TestForm::instance());
    EXPECT_FALSE(form.loaded());
    form.show();
    form.show();
    EXPECT_TRUE(form.loaded());
    form.unload();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.window(), nullptr);
    form.unload();
    form.show();
    FakeWindows::destroy(*form.window());  // by the toolkit, as by the window's close control
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(log, (std::vector<std::string>{"make", "load", "show", "show", "destroy", "make",
                                             "load", "show", "destroy"}));
}

}  // namespace
}  // namespace trelumo
