#pragma once

#include "platform/runtime/focus_sequence.h"
#include "platform/web/dom.h"

namespace trelumo::web {

/// Tells a FocusSequence of the focus coming to the watched elements of a window (their focusin):
/// their GotFocus and LostFocus, in the order and on the moves FocusSequence says, a click or a
/// tap as well as TAB.
class FocusEvents {
public:
    FocusEvents() = default;
    FocusEvents(const FocusEvents&) = delete;
    FocusEvents& operator=(const FocusEvents&) = delete;

    void watch(Element control, FocusSequence::Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(Element control);

private:
    static FocusSequence::Control key(Element control);

    FocusSequence sequence_;
};

}  // namespace trelumo::web
