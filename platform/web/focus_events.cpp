#include "platform/web/focus_events.h"

#include <cstdint>

namespace trelumo::web {

// The sequence knows a control by a pointer-sized key; an element's is its number.
FocusSequence::Control FocusEvents::key(Element control) {
    return reinterpret_cast<FocusSequence::Control>(static_cast<std::intptr_t>(control.number()));
}

void FocusEvents::watch(Element control, FocusSequence::Handlers handlers) {
    sequence_.watch(key(control), std::move(handlers));
    control.listen("focusin", [this, control](const Event&) {
        sequence_.focus_entered(key(control));
        return false;
    });
}

void FocusEvents::start_in(Element control) {
    control.focus();
    sequence_.start_in(key(control));
}

}  // namespace trelumo::web
