#include "platform/runtime/focus_sequence.h"

namespace trelumo {

void FocusSequence::forget(Control control) {
    handlers_.erase(control);
    if (current_ == control) current_ = nullptr;
}

void FocusSequence::start_in(Control control) {
    if (current_ == control) return;
    current_ = control;
    dispatch_.run(handlers_[control].got_focus);
}

void FocusSequence::focus_entered(Control control) {
    if (!handlers_.contains(control) || control == current_) return;
    const Control old = current_;
    current_ = control;
    if (old) dispatch_.run(handlers_[old].lost_focus);
    dispatch_.run(handlers_[control].got_focus);
}

}  // namespace trelumo
