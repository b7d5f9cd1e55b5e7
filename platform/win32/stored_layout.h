// A window built from its stored layout (platform/types/stored_layout.h): its controls as Windows
// controls, placed and sized from the layout's twips for a DPI and the user's message font, and
// its frame and menu.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include "platform/runtime/layout_scale.h"
#include "platform/types/stored_layout.h"
#include "platform/win32/window.h"

namespace trelumo {

/// The controls of one window, made from its layout table, whose order is the tab order, with
/// their fonts, pictures, colours and tooltips, and what screen readers say of them. A control is
/// known by its index in the table.
class StoredLayout {
public:
    StoredLayout() = default;
    StoredLayout(const StoredLayout&) = delete;
    StoredLayout& operator=(const StoredLayout&) = delete;
    ~StoredLayout();

    /// Makes the controls of `window` in `parent`, stacked in the order screen readers are to read
    /// them. A control that cannot be made ends the program as a window that cannot be made does.
    void create(HWND parent, const WindowLayout& window, UINT dpi);

    const WindowLayout& window() const { return *window_; }

    HWND operator[](int control) const { return entries_[static_cast<std::size_t>(control)].hwnd; }

    /// Places and sizes the controls, and makes their fonts and pictures, for a DPI and the
    /// user's message font as it is now.
    void lay_out(UINT dpi);

    /// The scale they are laid out at.
    const LayoutScale& scale() const { return scale_; }

    /// The control a WM_COMMAND comes from, or -1: a control's notification, or its button's
    /// command (Enter: the default button's; Esc: the cancel button's).
    int control_of_command(WPARAM w) const;

    void set_visible(int control, bool visible);

    void set_back_colour(int control, ColourValue colour);

    /// Answers WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT for one of the controls: sets the colours on
    /// the device context and returns the background brush. `window_background` is the window's.
    /// A text colour of the layout's own gives way to the one made for the background when it
    /// would not read there, or when the user asks for high contrast.
    HBRUSH colours(HWND control, HDC dc, ColourValue window_background) const;

private:
    struct Entry {
        const ControlLayout* layout;
        HWND hwnd = nullptr;
        ColourValue back_colour = no_colour;
        HICON picture = nullptr;
    };

    void make(Entry& entry);
    void tell_readers_about();
    void make_tooltips();
    void stack(std::span<const int> controls);
    void set_fonts_and_pictures();
    void release_fonts_and_pictures();
    HFONT font_for(const FontLayout* font, UINT dpi);

    HWND parent_ = nullptr;
    const WindowLayout* window_ = nullptr;
    HWND tooltips_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    LayoutScale scale_{USER_DEFAULT_SCREEN_DPI};
    std::vector<Entry> entries_;
    std::map<const FontLayout*, HFONT> fonts_;  // the layout's own fonts
};

/// How a window of a stored layout is made, of a window class of its own.
Window::Frame frame_of(const WindowLayout& window, const wchar_t* class_name);

/// The menu bar of a stored layout's menu, its items' commands numbered by menu_command.
HMENU make_menu(std::span<const MenuItemLayout> menu);

/// The command of a menu's item, by its index in the layout.
WORD menu_command(int item);

}  // namespace trelumo
