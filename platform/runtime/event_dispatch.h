// How the program's event handlers are run: one at a time on the user-interface thread, a
// run-time error reported once the current event is over, and nothing run once the program is
// ending.
#pragma once

#include <functional>

#include "platform/runtime/toolkit.h"

namespace trelumo {

class RunTimeError;

class EventDispatch {
public:
    explicit EventDispatch(Toolkit* toolkit = nullptr) : toolkit_(toolkit) {}

    void use(Toolkit& toolkit) { toolkit_ = &toolkit; }

    /// Runs an event handler (none: nothing happens). A RunTimeError stops the handler and is
    /// reported after the current event, once however many handlers of that event fail; the
    /// program keeps running. Once the program is ending, nothing runs.
    void run(const std::function<void()>& handler);

    /// Ends the program at once: no handler runs after this, and every window closes.
    void end_program();

private:
    void report_after_current_event(const RunTimeError& error);

    Toolkit* toolkit_;
    bool ending_ = false;
    bool report_pending_ = false;
};

namespace event_dispatch {

/// The program's one dispatcher.
EventDispatch& program();

/// Hands the program's dispatcher its toolkit; done once, before the first window.
inline void use_toolkit(Toolkit& toolkit) {
    program().use(toolkit);
}
inline void run(const std::function<void()>& handler) {
    program().run(handler);
}
inline void end_program() {
    program().end_program();
}

}  // namespace event_dispatch
}  // namespace trelumo
