// A window's stored layout as data, from which every front-end builds the window: the window
// itself, its controls in tab order with the settings that differ from a toolkit's defaults, its
// lines and its menu. Places and sizes are twips (1/1440 inch, 15 to the pixel at 96 dpi) from
// the client area's top-left corner; texts are UTF-8. Each window's own table is in its folder
// under ui/.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string_view>

#include "platform/types/colour_value.h"

namespace trelumo {

/// No colour of the control's own: the window's background, and the text colour made to be read
/// on it.
inline constexpr ColourValue no_colour = 0xFFFFFFFF;

/// Twips to the pixel at 96 dpi.
inline constexpr int twips_per_pixel = 15;

/// The tab index of a control that has none (pictures).
inline constexpr int no_tab_index = -1;

/// Labels, pictures (image controls) and picture boxes never take the focus; text fields and push
/// buttons do.
enum class ControlKind { label, text_field, picture, picture_box, push_button };

/// Where a caption or a field's text sits across its control.
enum class Alignment { left, right, centre };

/// A control's own border; a text field always has its kind's.
enum class Border { none, sunken };

/// What stands in for a font's face where the face is missing.
enum class FontFamily { any, serif };

struct FontLayout {
    std::string_view face;
    int points;
    bool bold = false;
    int character_set = 0;  // 0: ANSI
    FontFamily stand_in = FontFamily::any;
};

struct ControlLayout {
    std::string_view name;  // the name code, tests and screen readers know the control by
    ControlKind kind;
    int left, top, width, height;
    int tab_index = no_tab_index;
    std::string_view caption{};
    std::string_view tooltip{};        // none when empty; what a screen reader gives as the hint
    const FontLayout* font = nullptr;  // none: the window's default font
    ColourValue fore_colour = no_colour;
    ColourValue back_colour = no_colour;
    bool visible = true;
    std::string_view picture{};  // the name of a picture of the program's: "euro", "left_arrow"
    Alignment alignment = Alignment::left;
    Border border = Border::none;
    bool wraps = false;  // a label: its caption may take more than a line, from the top
    /// A label: the field it names. A screen reader names the field by the label's caption
    /// without its closing colon (reader_name_of).
    std::string_view names{};
    std::string_view reader_name{};  // a picture: what a screen reader says of it
    bool announced = false;          // a label: a screen reader reads it out each time it is stated
    bool default_button = false;     // Enter presses it
    bool cancel_button = false;      // Esc presses it
};

/// A line drawn on the window itself, from (x1, y1) to (x2, y2); lines never take the focus. One
/// of a control array when several share a name.
struct LineLayout {
    std::string_view name;
    int index;
    int x1, y1, x2, y2;
    ColourValue colour;
    int width;  // pixels at 96 dpi; a line grows right and down from its place
};

/// Where a line is drawn, in twips: from its place, as long as it runs, and as wide as it is drawn,
/// right or down from its place.
struct LineBand {
    int left, top, width, height;
};
inline LineBand band_of(const LineLayout& line) {
    const int width = line.width * twips_per_pixel;
    return {std::min(line.x1, line.x2), std::min(line.y1, line.y2),
            line.x1 == line.x2 ? width : std::abs(line.x2 - line.x1),
            line.y1 == line.y2 ? width : std::abs(line.y2 - line.y1)};
}

/// One item of a menu bar, in order: a submenu of the bar, or an item of the submenu that is its
/// parent. An "&" marks the access key of a caption; a caption of "-" is a separator line.
struct MenuItemLayout {
    std::string_view name;
    std::string_view caption{};
    std::string_view parent{};  // empty: the menu bar
};

enum class WindowBorder {
    sizable,      // minimize and maximize buttons; the controls neither move nor grow
    fixed_dialog  // neither resized nor minimized nor maximized
};

struct WindowLayout {
    std::string_view name{};
    std::string_view title{};
    int client_width = 0;
    int client_height = 0;
    ColourValue back_colour = no_colour;
    WindowBorder border = WindowBorder::sizable;
    std::string_view icon{};                    // a picture's name
    std::span<const ControlLayout> controls{};  // in tab order
    std::span<const LineLayout> lines{};        // in drawing order, each over the ones before
    std::span<const MenuItemLayout> menu{};     // none: no menu bar
    /// The order in which a screen reader reads the window's controls, by their indexes; none:
    /// the tab order.
    std::span<const int> reading_order{};
};

/// The index of the control, line or menu item of that name in its table, or -1.
template <class Items>
constexpr int index_of(const Items& items, std::string_view name) {
    for (std::size_t i = 0; i < std::size(items); ++i)
        if (items[i].name == name) return static_cast<int>(i);
    return -1;
}

/// The index of a control or menu item that its table must hold: a name the table does not hold
/// fails to compile.
template <class Items>
consteval int named(const Items& items, std::string_view name) {
    const int index = index_of(items, name);
    if (index < 0) throw "no such name in the stored layout";
    return index;
}

constexpr bool is_separator(const MenuItemLayout& item) {
    return item.caption == "-";
}

/// Whether the tab indexes of the controls that have one rise with their order in the table.
constexpr bool in_tab_order(std::span<const ControlLayout> controls) {
    int last = no_tab_index;
    for (const ControlLayout& control : controls) {
        if (control.tab_index == no_tab_index) continue;
        if (control.tab_index <= last) return false;
        last = control.tab_index;
    }
    return true;
}

/// What a screen reader names a control by: the caption of the label that names it, without its
/// closing colon; else its reader name; else nothing of the layout's (its own caption).
constexpr std::string_view reader_name_of(std::span<const ControlLayout> controls, int control) {
    for (const ControlLayout& label : controls) {
        if (label.names.empty() || label.names != controls[control].name) continue;
        std::string_view caption = label.caption;
        while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
            caption.remove_suffix(1);
        return caption;
    }
    return controls[control].reader_name;
}

}  // namespace trelumo
