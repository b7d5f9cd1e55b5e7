// A window's stored layout as data: each control's kind, name, place and size in twips, and the
// settings that differ from the defaults. Controls lays a table out on a window for a DPI and the
// user's message font.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include "platform/runtime/layout_scale.h"
#include "platform/types/colour_value.h"

namespace trelumo {

/// The scale of a stored layout at a DPI, for the user's message font (Settings > Accessibility >
/// Text size) at that DPI.
LayoutScale layout_scale_for(UINT dpi);

enum class ControlKind { label, text_field, picture, picture_box, push_button };

struct Font {
    const wchar_t* face;
    int points;
    bool bold;
    BYTE family = FF_DONTCARE;  // what stands in where the face is missing (FF_ROMAN: a serif)
};

/// No colour of the control's own: the window's background, and the text colour made to be read
/// on it.
inline constexpr ColourValue no_colour = 0xFFFFFFFF;

struct ControlLayout {
    int id;  // the control's name, as the window's enum of its controls names it
    ControlKind kind;
    int left, top, width, height;  // twips from the client area's top-left corner
    const char* caption = "";      // UTF-8
    const char* tooltip = nullptr;
    const Font* font = nullptr;  // none: the system's message font
    ColourValue fore_colour = no_colour;
    ColourValue back_colour = no_colour;
    const wchar_t* picture = nullptr;  // an icon resource, shown at 32 x 32 pixels at 96 dpi
    DWORD style = 0;                   // settings beyond the kind's own (alignment, border, ...)
    DWORD ex_style = 0;
    bool visible = true;
    int names = 0;  // a label: the id of the field it names, which is made right after it
    // What a screen reader says of the control, when not its caption nor its label's caption;
    // its tooltip is its description, the hint a reader gives after it.
    const char* reader_name = nullptr;
    bool live_region = false;  // read out by screen readers each time the program announces it
};

/// The controls of one window, made from its layout table, whose order is the tab order, with
/// their fonts, pictures, colours and tooltips, and what screen readers say of them.
class Controls {
public:
    Controls() = default;
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;
    ~Controls();

    void create(HWND parent, std::span<const ControlLayout> layout, UINT dpi);

    /// Makes the tooltips, once, when the mouse first comes over a control that has one: call
    /// this with the window under the mouse on the window's WM_SETCURSOR, which a control passes
    /// up before its mouse message. The window shows sooner without a tooltip window it may
    /// never need.
    void make_tooltips(HWND under_mouse);

    /// Places and sizes the controls, and makes their fonts and pictures, for a DPI and the
    /// user's message font as it is now.
    void lay_out(UINT dpi);

    /// The scale they are laid out at.
    const LayoutScale& scale() const { return scale_; }

    HWND operator[](int id) const { return GetDlgItem(parent_, id); }

    /// Stacks controls that overlap none other in the order given, the first on top: the order in
    /// which screen readers read a window's texts.
    void stack(std::span<const int> ids);

    /// Shows or hides a control; a picture is loaded when it is first shown.
    void set_visible(int id, bool visible);

    void set_back_colour(int id, ColourValue colour);

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

    void tell_readers_about();
    void set_fonts_and_pictures();
    void load_picture(Entry& entry);
    void release_fonts_and_pictures();
    HFONT font_for(const Font* font, UINT dpi);

    HWND parent_ = nullptr;
    HWND tooltips_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    LayoutScale scale_{USER_DEFAULT_SCREEN_DPI};
    std::vector<Entry> entries_;
    std::map<const Font*, HFONT> fonts_;
};

}  // namespace trelumo

namespace trelumo {

/// A line drawn on the window itself (lines never take the focus), in twips.
struct LineLayout {
    int x1, y1, x2, y2;
    ColourValue colour;
    int width;  // pixels at 96 dpi, for the layout's own font
};

/// Draws lines in table order, each later one over the earlier ones.
void draw_lines(HDC dc, std::span<const LineLayout> lines, const LayoutScale& scale);

}  // namespace trelumo
