#pragma once

#include <windows.h>

#include <vector>

#include "platform/runtime/focus_sequence.h"

namespace trelumo {

/// Tells a FocusSequence of the focus coming to the watched controls of a window (WM_SETFOCUS):
/// their GotFocus and LostFocus, in the order and on the moves FocusSequence says.
class FocusEvents {
public:
    FocusEvents() = default;
    FocusEvents(const FocusEvents&) = delete;
    FocusEvents& operator=(const FocusEvents&) = delete;
    ~FocusEvents();

    void watch(HWND control, FocusSequence::Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(HWND control);

private:
    static LRESULT CALLBACK control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR id, DWORD_PTR self);

    FocusSequence sequence_;
    std::vector<HWND> watched_;
};

}  // namespace trelumo
