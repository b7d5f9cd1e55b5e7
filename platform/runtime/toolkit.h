// The seam between the program's runtime and a window toolkit: what the runtime asks of the
// toolkit, declared once. Each front-end fills this table in (platform/qt, platform/win32) and
// hands it to event_dispatch::use_toolkit before its first window. Besides this table, a
// front-end tells FocusSequence of focus changes and gives Form its way to make, show and destroy
// a window (form.h).
#pragma once

#include <functional>
#include <string>

namespace trelumo {

class Toolkit {
public:
    virtual ~Toolkit() = default;

    /// MUST run `task` once the current event is over: from the toolkit's event loop, or from any
    /// modal loop (a menu, a message box) that runs meanwhile. MUST NOT run it before returning.
    virtual void post(std::function<void()> task) = 0;

    /// MUST show `text` (UTF-8) to the user in a message box with the error icon and the
    /// program's title, modal to the whole program. MAY return before the box is closed.
    virtual void show_error(const std::string& text) = 0;

    /// MUST close every window of the program at once, asking nothing, and end the program's
    /// event loop with exit status 0. The runtime runs no handler once this has been called.
    virtual void close_all_windows() = 0;
};

}  // namespace trelumo
