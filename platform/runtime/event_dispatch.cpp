#include "platform/runtime/event_dispatch.h"

#include "platform/types/run_time_error.h"

namespace trelumo {

void EventDispatch::run(const std::function<void()>& handler) {
    if (ending_ || !handler) return;
    try {
        handler();
    } catch (const RunTimeError& error) {
        report_after_current_event(error);
    }
}

void EventDispatch::report_after_current_event(const RunTimeError& error) {
    // One event can fail in two handlers (the field left and the field entered): one report.
    if (report_pending_ || !toolkit_) return;
    report_pending_ = true;
    toolkit_->post([this, text = error.report()] {
        report_pending_ = false;
        if (!ending_) toolkit_->show_error(text);
    });
}

void EventDispatch::end_program() {
    if (ending_) return;
    ending_ = true;
    if (toolkit_) toolkit_->close_all_windows();
}

EventDispatch& event_dispatch::program() {
    static EventDispatch dispatch;
    return dispatch;
}

}  // namespace trelumo
