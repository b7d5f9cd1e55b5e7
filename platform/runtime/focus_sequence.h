#pragma once

#include <functional>
#include <map>

#include "platform/runtime/event_dispatch.h"

namespace trelumo {

/// The GotFocus and LostFocus of a window's watched controls. When the focus moves from one
/// watched control to another, the old control's LostFocus runs before the new one's GotFocus.
/// Leaving for another window or program, the menu bar or a context menu and coming back to the
/// same control is no move and raises nothing; nor does the focus coming to a control that is
/// not watched.
///
/// The toolkit MUST call focus_entered each time a watched control takes the focus, after the
/// control has it, and forget when a watched control is destroyed.
class FocusSequence {
public:
    using Control = const void*;
    struct Handlers {
        std::function<void()> got_focus;
        std::function<void()> lost_focus;
    };

    explicit FocusSequence(EventDispatch& dispatch = event_dispatch::program())
        : dispatch_(dispatch) {}

    void watch(Control control, Handlers handlers) { handlers_[control] = std::move(handlers); }
    void forget(Control control);

    /// Raises a control's GotFocus now, as when a window first shows with the focus in it.
    void start_in(Control control);

    void focus_entered(Control control);

private:
    EventDispatch& dispatch_;
    std::map<Control, Handlers> handlers_;
    Control current_ = nullptr;
};

}  // namespace trelumo
