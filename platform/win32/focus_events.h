#pragma once

#include <windows.h>

#include <functional>
#include <map>

namespace trelumo {

/// Raises a control's LostFocus and GotFocus when the focus moves from one watched control of a
/// window to another (Tab, Shift+Tab, a click), the old control's first. Leaving for another
/// window or program, the menu bar or a context menu and coming back to the same control is no
/// move and raises nothing.
class FocusEvents {
public:
    struct Handlers {
        std::function<void()> got_focus;
        std::function<void()> lost_focus;
    };

    FocusEvents() = default;
    FocusEvents(const FocusEvents&) = delete;
    FocusEvents& operator=(const FocusEvents&) = delete;
    ~FocusEvents();

    void watch(HWND control, Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(HWND control);

private:
    static LRESULT CALLBACK control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR id, DWORD_PTR self);
    void focus_changed(HWND now);

    std::map<HWND, Handlers> handlers_;
    HWND current_ = nullptr;
};

}  // namespace trelumo
