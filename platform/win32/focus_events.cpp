#include "platform/win32/focus_events.h"

#include <commctrl.h>

#include "platform/win32/event_dispatch.h"

namespace trelumo {
namespace {
constexpr UINT_PTR subclass_id = 0x7F0C;
}

FocusEvents::~FocusEvents() {
    for (const auto& [control, handlers] : handlers_)
        RemoveWindowSubclass(control, control_procedure, subclass_id);
}

void FocusEvents::watch(HWND control, Handlers handlers) {
    handlers_[control] = std::move(handlers);
    SetWindowSubclass(control, control_procedure, subclass_id, reinterpret_cast<DWORD_PTR>(this));
}

void FocusEvents::start_in(HWND control) {
    SetFocus(control);
    if (current_ == control) return;
    current_ = control;
    event_dispatch::run(handlers_[control].got_focus);
}

void FocusEvents::focus_changed(HWND now) {
    if (!handlers_.contains(now) || now == current_) return;
    const HWND old = current_;
    current_ = now;
    if (old) event_dispatch::run(handlers_[old].lost_focus);
    event_dispatch::run(handlers_[now].got_focus);
}

LRESULT CALLBACK FocusEvents::control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                                UINT_PTR, DWORD_PTR self_pointer) {
    auto* self = reinterpret_cast<FocusEvents*>(self_pointer);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, control_procedure, subclass_id);
        self->handlers_.erase(control);
        if (self->current_ == control) self->current_ = nullptr;
        return DefSubclassProc(control, message, w, l);
    }
    const LRESULT result = DefSubclassProc(control, message, w, l);
    if (message == WM_SETFOCUS) self->focus_changed(control);
    return result;
}

}  // namespace trelumo
