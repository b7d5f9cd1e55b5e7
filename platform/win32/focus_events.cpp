#include "platform/win32/focus_events.h"

#include <commctrl.h>

#include <algorithm>

namespace trelumo {
namespace {
constexpr UINT_PTR subclass_id = 0x7F0C;
}

FocusEvents::~FocusEvents() {
    for (const HWND control : watched_)
        RemoveWindowSubclass(control, control_procedure, subclass_id);
}

void FocusEvents::watch(HWND control, FocusSequence::Handlers handlers) {
    sequence_.watch(control, std::move(handlers));
    watched_.push_back(control);
    SetWindowSubclass(control, control_procedure, subclass_id, reinterpret_cast<DWORD_PTR>(this));
}

void FocusEvents::start_in(HWND control) {
    SetFocus(control);
    sequence_.start_in(control);
}

LRESULT CALLBACK FocusEvents::control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                                UINT_PTR, DWORD_PTR self_pointer) {
    auto* self = reinterpret_cast<FocusEvents*>(self_pointer);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, control_procedure, subclass_id);
        self->sequence_.forget(control);
        std::erase(self->watched_, control);
        return DefSubclassProc(control, message, w, l);
    }
    const LRESULT result = DefSubclassProc(control, message, w, l);
    if (message == WM_SETFOCUS) self->sequence_.focus_entered(control);
    return result;
}

}  // namespace trelumo
