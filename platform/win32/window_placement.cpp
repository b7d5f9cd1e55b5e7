#include "platform/win32/window_placement.h"

namespace trelumo {

namespace {

/// Where a window of a size goes to be in the middle of a monitor's work area.
POINT centred_place(HMONITOR monitor_handle, SIZE size) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(monitor_handle, &monitor)) return {0, 0};
    const RECT& area = monitor.rcWork;
    return {area.left + (area.right - area.left - size.cx) / 2,
            area.top + (area.bottom - area.top - size.cy) / 2};
}

}  // namespace

void centre_on_screen(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT place = centred_place(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY),
                                      {frame.right - frame.left, frame.bottom - frame.top});
    if (place.x == frame.left && place.y == frame.top) return;  // as made (Window::create)
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT centred_on_primary_screen(SIZE size) {
    return centred_place(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), size);
}

}  // namespace trelumo
