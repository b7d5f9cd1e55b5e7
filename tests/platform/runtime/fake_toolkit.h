// A toolkit that keeps what the runtime asks of it: the posted tasks, run when a test says the
// current event is over, the errors shown, and whether every window was closed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/runtime/toolkit.h"

namespace trelumo::testing_runtime {

class FakeToolkit : public Toolkit {
public:
    void post(std::function<void()> task) override { posted.push_back(std::move(task)); }
    void show_error(const std::string& text) override { errors.push_back(text); }
    void close_all_windows() override { ++closed; }

    /// The event loop's turn: runs what was posted until then.
    void finish_event() {
        auto tasks = std::move(posted);
        posted.clear();
        for (auto& task : tasks) task();
    }

    std::vector<std::function<void()>> posted;
    std::vector<std::string> errors;
    int closed = 0;
};

}  // namespace trelumo::testing_runtime
