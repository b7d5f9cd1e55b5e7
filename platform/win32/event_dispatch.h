// How the program's event handlers are run: one at a time on the user-interface thread, a
// run-time error reported once the current event is over, and nothing run once the program is
// ending.
#pragma once

#include <functional>

namespace trelumo::event_dispatch {

/// Runs an event handler. A RunTimeError stops the handler and is shown in a message box after
/// the current event; the program keeps running. Once the program is ending, nothing runs.
void run(const std::function<void()>& handler);

/// Ends the program at once: no handler runs after this, and every window closes.
void end_program();

bool ending();

}  // namespace trelumo::event_dispatch
