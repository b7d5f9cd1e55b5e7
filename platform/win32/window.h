#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>

#include "platform/types/colour_value.h"
#include "platform/types/stored_layout.h"

namespace trelumo {

/// A top-level window of the program, of a window class of its own, handled by the dialog
/// manager: while another window is active it keeps the control that had the focus and gives the
/// focus back to it on return, the first control in tab order the first time. It follows the DPI
/// of the monitor it is on; it answers the program's keys (message_loop.h); and, unless told
/// otherwise, it keeps the program running: the program ends when the last such window is gone.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    /// What a window is made as: its window class and styles, its client area's size, its own
    /// colour and its menu.
    struct Frame {
        const wchar_t* class_name;
        DWORD style;
        DWORD ex_style;
        int client_width;  // twips
        int client_height;
        ColourValue background;
        std::span<const MenuItemLayout> menu{};
        bool keeps_program_running = true;
    };

    HWND hwnd() const { return hwnd_; }

    /// Shows the window, brings it to the front and activates it.
    virtual void show();

    /// Called once the window is gone (destroyed or closed); the object may be deleted in it.
    void on_destroyed(std::function<void()> callback) { destroyed_ = std::move(callback); }

protected:
    Window() = default;

    /// Makes the window, hidden, sized for the DPI of the monitor it is made on, in the middle of
    /// the primary monitor. A window that cannot be made ends the program with exit status 1,
    /// after a message box that says so.
    void create(const Frame& frame, const std::string& title);

    UINT dpi() const;

    /// A window's own messages; what it does not handle goes to DefDlgProc through here.
    virtual LRESULT handle_message(UINT message, WPARAM w, LPARAM l);

    /// The window moved to a monitor of another DPI, or the user chose another message font:
    /// its controls are to be laid out again, for the DPI given.
    virtual void layout_changed(UINT /*dpi*/) {}

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static SIZE frame_size(const Frame& frame, UINT dpi);
    /// The desktop's colours changed, or high contrast was turned on or off: everything is
    /// painted again in the new colours.
    void follow_colours();
    void resize_client(const Frame& frame, UINT dpi);

    HWND hwnd_ = nullptr;
    Frame frame_{};
    std::function<void()> destroyed_;
};

/// Says in a message box that the program cannot open a window, or a control of it, and ends the
/// program with exit status 1.
[[noreturn]] void window_not_made(const std::string& title);

/// Whether a window is one of the program's (where TAB and Shift+TAB move between controls).
bool is_program_window(HWND window);

}  // namespace trelumo
