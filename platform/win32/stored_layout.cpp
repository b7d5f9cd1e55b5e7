#include "platform/win32/stored_layout.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/win32/accessible_control.h"
#include "platform/win32/message_font.h"
#include "platform/win32/system_colour.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

const wchar_t* class_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::text_field:
            return L"EDIT";
        case ControlKind::push_button:
            return L"BUTTON";
        default:
            return L"STATIC";
    }
}

constexpr int first_control_id = 100;
constexpr WORD first_menu_command = 1000;

// The default button is the dialog manager's IDOK, the command Enter gives.
int id_of(std::span<const ControlLayout> layout, std::size_t index) {
    return layout[index].default_button ? IDOK : first_control_id + static_cast<int>(index);
}

DWORD style_of(const ControlLayout& layout) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (layout.visible ? WS_VISIBLE : 0);
    switch (layout.kind) {
        case ControlKind::label:
            // Captions shown as written, "&" too.
            style |= SS_NOPREFIX | (layout.border == Border::sunken ? SS_SUNKEN : 0);
            if (layout.alignment == Alignment::centre) style |= SS_CENTER | SS_CENTERIMAGE;
            if (layout.alignment == Alignment::right) style |= SS_RIGHT;
            break;
        case ControlKind::text_field:
            style |= WS_TABSTOP | ES_AUTOHSCROLL |
                     (layout.alignment == Alignment::right    ? ES_RIGHT
                      : layout.alignment == Alignment::centre ? ES_CENTER
                                                              : ES_LEFT);
            break;
        case ControlKind::picture:
        case ControlKind::picture_box:
            style |= SS_ICON | SS_CENTERIMAGE;
            break;
        case ControlKind::push_button:
            style |= WS_TABSTOP | (layout.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
    }
    if (!layout.tooltip.empty() && class_of(layout.kind) == std::wstring_view(L"STATIC"))
        style |= SS_NOTIFY;
    return style;
}

DWORD ex_style_of(const ControlLayout& layout) {
    const bool edged = layout.kind == ControlKind::text_field ||
                       (layout.kind == ControlKind::picture_box && layout.border == Border::sunken);
    return edged ? WS_EX_CLIENTEDGE : 0;
}

// A picture is the icon resource named after it in capitals.
std::wstring resource_of(std::string_view picture) {
    std::wstring name = wide(picture);
    for (wchar_t& c : name) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
    return name;
}

LONG role_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::label:
            return ROLE_SYSTEM_STATICTEXT;
        case ControlKind::picture:
        case ControlKind::picture_box:
            return ROLE_SYSTEM_GRAPHIC;
        case ControlKind::push_button:
            return ROLE_SYSTEM_PUSHBUTTON;
        default:
            return 0;  // an edit control's own, text, which Wine gives too
    }
}

}  // namespace

StoredLayout::~StoredLayout() {
    release_fonts_and_pictures();
}

void StoredLayout::create(HWND parent, const WindowLayout& window, UINT dpi) {
    parent_ = parent;
    window_ = &window;
    dpi_ = dpi;
    scale_ = layout_scale_for(dpi);
    entries_.clear();
    for (const ControlLayout& control : window.controls) entries_.push_back({&control});
    // Each control is made at its place, and each new one goes under those made before it: the
    // other controls first, then the labels and pictures, which lie under them as drawings on
    // the window would (the table order, the tab order, is kept within each). A label that names
    // a field is made right before it: screen readers take a field's name from the label just
    // before it.
    for (const bool drawing : {false, true}) {
        for (Entry& entry : entries_) {
            const ControlLayout& control = *entry.layout;
            if ((control.kind == ControlKind::label || control.kind == ControlKind::picture) !=
                    drawing ||
                entry.hwnd)
                continue;
            for (Entry& label : entries_) {
                if (!label.layout->names.empty() && label.layout->names == control.name &&
                    !label.hwnd)
                    make(label);
            }
            make(entry);
        }
    }
    tell_readers_about();
    make_tooltips();
    stack(window.reading_order);
    set_fonts_and_pictures();
}

void StoredLayout::make(Entry& entry) {
    const ControlLayout& control = *entry.layout;
    const auto index = static_cast<std::size_t>(&entry - entries_.data());
    entry.hwnd = CreateWindowExW(
        ex_style_of(control), class_of(control.kind), wide(control.caption).c_str(),
        style_of(control), scale_.pixels(control.left), scale_.pixels(control.top),
        scale_.pixels(control.width), scale_.pixels(control.height), parent_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_of(window_->controls, index))),
        GetModuleHandleW(nullptr), nullptr);
    if (!entry.hwnd) window_not_made(std::string(window_->title));
    entry.back_colour = control.back_colour;
}

void StoredLayout::tell_readers_about() {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const ControlLayout& control = *entries_[i].layout;
        tell_readers(entries_[i].hwnd,
                     {.name = std::string(reader_name_of(window_->controls, static_cast<int>(i))),
                      .description = std::string(control.tooltip),
                      .live_region = control.announced,
                      .role = role_of(control.kind)});
    }
}

void StoredLayout::make_tooltips() {
    if (std::ranges::none_of(entries_,
                             [](const Entry& entry) { return !entry.layout->tooltip.empty(); }))
        return;
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tooltips_) return;
    for (const Entry& entry : entries_) {
        if (entry.layout->tooltip.empty()) continue;
        std::wstring text = wide(entry.layout->tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent_;
        tool.uId = reinterpret_cast<UINT_PTR>(entry.hwnd);
        tool.lpszText = text.data();
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void StoredLayout::lay_out(UINT dpi) {
    dpi_ = dpi;
    scale_ = layout_scale_for(dpi);
    for (const Entry& entry : entries_) {
        const ControlLayout& layout = *entry.layout;
        SetWindowPos(entry.hwnd, nullptr, scale_.pixels(layout.left), scale_.pixels(layout.top),
                     scale_.pixels(layout.width), scale_.pixels(layout.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    set_fonts_and_pictures();
}

void StoredLayout::set_fonts_and_pictures() {
    release_fonts_and_pictures();
    const int picture_size = MulDiv(32, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    for (Entry& entry : entries_) {
        SendMessageW(entry.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font_for(entry.layout->font, dpi_)), TRUE);
        if (entry.layout->picture.empty()) continue;
        entry.picture = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), resource_of(entry.layout->picture).c_str(),
                       IMAGE_ICON, picture_size, picture_size, LR_DEFAULTCOLOR));
        SendMessageW(entry.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(entry.picture), 0);
    }
}

int StoredLayout::control_of_command(WPARAM w) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const ControlLayout& control = *entries_[i].layout;
        if (LOWORD(w) == IDCANCEL ? control.cancel_button
                                  : id_of(window_->controls, i) == LOWORD(w))
            return static_cast<int>(i);
    }
    return -1;
}

void StoredLayout::stack(std::span<const int> controls) {
    HWND above = HWND_TOP;
    for (const int index : controls) {
        const HWND control = (*this)[index];
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void StoredLayout::set_visible(int control, bool visible) {
    ShowWindow((*this)[control], visible ? SW_SHOW : SW_HIDE);
}

HFONT StoredLayout::font_for(const FontLayout* font, UINT dpi) {
    if (!font) return message_font(dpi);  // kept for the program's life
    HFONT& made = fonts_[font];
    if (made) return made;
    LOGFONTW description{};
    description.lfHeight = -MulDiv(font->points, static_cast<int>(dpi), 72);
    description.lfWeight = font->bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = static_cast<BYTE>(font->character_set);
    description.lfQuality = DEFAULT_QUALITY;
    // What stands in where the face is missing: FF_ROMAN, a serif.
    description.lfPitchAndFamily =
        VARIABLE_PITCH | (font->stand_in == FontFamily::serif ? FF_ROMAN : FF_DONTCARE);
    lstrcpynW(description.lfFaceName, wide(font->face).c_str(), LF_FACESIZE);
    return made = CreateFontIndirectW(&description);
}

void StoredLayout::release_fonts_and_pictures() {
    for (const auto& [font, handle] : fonts_)
        if (handle) DeleteObject(handle);
    fonts_.clear();
    for (Entry& entry : entries_) {
        if (entry.picture) DestroyIcon(entry.picture);
        entry.picture = nullptr;
    }
}

void StoredLayout::set_back_colour(int control, ColourValue colour) {
    Entry& entry = entries_[static_cast<std::size_t>(control)];
    if (entry.back_colour == colour) return;
    entry.back_colour = colour;
    InvalidateRect(entry.hwnd, nullptr, TRUE);
}

HBRUSH StoredLayout::colours(HWND control, HDC dc, ColourValue window_background) const {
    const auto entry = std::ranges::find(entries_, control, &Entry::hwnd);
    if (entry == entries_.end()) return nullptr;
    ColourValue back = entry->back_colour;
    if (back == no_colour && entry->layout->kind == ControlKind::text_field) back = window_colour;
    const ColourValue own = entry->layout->fore_colour;
    const ColourValue ground = back != no_colour ? back : window_background;
    SetTextColor(dc, colour_of(own != no_colour ? readable_text_colour(
                                                      own, ground, high_contrast_on(), drawn_rgb)
                                                : text_colour_on(ground)));
    if (back == no_colour) {
        SetBkMode(dc, TRANSPARENT);
        return brush_of(window_background);
    }
    SetBkColor(dc, colour_of(back));
    return brush_of(back);
}

Window::Frame frame_of(const WindowLayout& window, const wchar_t* class_name) {
    const bool sizable = window.border == WindowBorder::sizable;
    const DWORD style = sizable ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD ex_style = sizable ? 0 : WS_EX_DLGMODALFRAME;
    return {.class_name = class_name,
            .style = style | WS_CLIPCHILDREN,
            .ex_style = ex_style | WS_EX_CONTROLPARENT,
            .client_width = window.client_width,
            .client_height = window.client_height,
            .background = window.back_colour,
            .menu = window.menu};
}

HMENU make_menu(std::span<const MenuItemLayout> menu) {
    const HMENU bar = CreateMenu();
    std::vector<HMENU> submenus(menu.size(), nullptr);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuItemLayout& item = menu[i];
        const std::wstring caption = wide(item.caption);
        if (item.parent.empty()) {
            submenus[i] = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(submenus[i]), caption.c_str());
            continue;
        }
        const HMENU parent = submenus[static_cast<std::size_t>(index_of(menu, item.parent))];
        if (is_separator(item))
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(parent, MF_STRING, menu_command(static_cast<int>(i)), caption.c_str());
    }
    return bar;
}

WORD menu_command(int item) {
    return static_cast<WORD>(first_menu_command + item);
}
}  // namespace trelumo
