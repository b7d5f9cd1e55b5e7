#include "platform/win32/layout.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/win32/accessible_control.h"
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

DWORD style_of(const ControlLayout& layout) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (layout.visible ? WS_VISIBLE : 0);
    switch (layout.kind) {
        case ControlKind::label:
            style |= SS_LEFT;
            break;
        case ControlKind::text_field:
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            break;
        case ControlKind::picture:
        case ControlKind::picture_box:
            style |= SS_ICON | SS_CENTERIMAGE;
            break;
        case ControlKind::push_button:
            style |= WS_TABSTOP;
            break;
    }
    if (layout.tooltip && class_of(layout.kind) == std::wstring_view(L"STATIC")) style |= SS_NOTIFY;
    return style | layout.style;
}

DWORD ex_style_of(const ControlLayout& layout) {
    DWORD ex_style = layout.ex_style;
    if (layout.kind == ControlKind::text_field || layout.kind == ControlKind::picture_box)
        ex_style |= WS_EX_CLIENTEDGE;
    return ex_style;
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

// A label's caption as a reader says it for the field it names: without its closing colon.
std::string spoken(std::string_view caption) {
    while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
        caption.remove_suffix(1);
    return std::string(caption);
}

HFONT message_font(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace

LayoutScale layout_scale_for(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return LayoutScale(dpi);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW text_metrics{};
    GetTextMetricsW(dc, &text_metrics);
    const std::wstring letters = wide(measured_letters);
    SIZE extent{};
    GetTextExtentPoint32W(dc, letters.c_str(), static_cast<int>(letters.size()), &extent);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return LayoutScale(dpi, {static_cast<double>(extent.cx) / static_cast<double>(letters.size()),
                             static_cast<double>(text_metrics.tmHeight)});
}

Controls::~Controls() {
    release_fonts_and_pictures();
}

void Controls::create(HWND parent, std::span<const ControlLayout> layout, UINT dpi) {
    parent_ = parent;
    dpi_ = dpi;
    scale_ = layout_scale_for(dpi);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    entries_.clear();
    for (const ControlLayout& control : layout) entries_.push_back({&control});
    const auto make = [&](Entry& entry) {
        const ControlLayout& control = *entry.layout;
        entry.hwnd = CreateWindowExW(
            ex_style_of(control), class_of(control.kind), wide(control.caption).c_str(),
            style_of(control), scale_.pixels(control.left), scale_.pixels(control.top),
            scale_.pixels(control.width), scale_.pixels(control.height), parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        entry.back_colour = control.back_colour;
    };
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
                if (label.layout->names != 0 && label.layout->names == control.id && !label.hwnd)
                    make(label);
            }
            make(entry);
        }
    }
    tell_readers_about();
    set_fonts_and_pictures();
}

void Controls::tell_readers_about() {
    for (const Entry& entry : entries_) {
        const ControlLayout& control = *entry.layout;
        ReaderText text{.name = control.reader_name ? control.reader_name : "",
                        .description = control.tooltip ? control.tooltip : "",
                        .live_region = control.live_region,
                        .role = role_of(control.kind)};
        for (const Entry& label : entries_)
            if (label.layout->names != 0 && label.layout->names == control.id)
                text.name = spoken(label.layout->caption);
        tell_readers(entry.hwnd, std::move(text));
    }
}

void Controls::make_tooltips(HWND under_mouse) {
    if (tooltips_ || std::ranges::none_of(entries_, [under_mouse](const Entry& entry) {
            return entry.hwnd == under_mouse && entry.layout->tooltip;
        }))
        return;
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tooltips_) return;
    for (const Entry& entry : entries_) {
        if (!entry.layout->tooltip) continue;
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

void Controls::lay_out(UINT dpi) {
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

void Controls::set_fonts_and_pictures() {
    release_fonts_and_pictures();
    for (Entry& entry : entries_) {
        SendMessageW(entry.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font_for(entry.layout->font, dpi_)), TRUE);
        // A hidden picture is loaded when it is first shown (set_visible).
        if (GetWindowLongPtrW(entry.hwnd, GWL_STYLE) & WS_VISIBLE) load_picture(entry);
    }
}

void Controls::load_picture(Entry& entry) {
    if (!entry.layout->picture || entry.picture) return;
    const int size = MulDiv(32, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    entry.picture = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), entry.layout->picture,
                                                  IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    SendMessageW(entry.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(entry.picture), 0);
}

void Controls::stack(std::span<const int> ids) {
    HWND above = HWND_TOP;
    for (const int id : ids) {
        const HWND control = (*this)[id];
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void Controls::set_visible(int id, bool visible) {
    const HWND control = (*this)[id];
    for (Entry& entry : entries_) {
        if (entry.hwnd != control) continue;
        if (visible) load_picture(entry);
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
    }
}

HFONT Controls::font_for(const Font* font, UINT dpi) {
    HFONT& made = fonts_[font];
    if (made) return made;
    if (!font) return made = message_font(dpi);
    LOGFONTW description{};
    description.lfHeight = -MulDiv(font->points, static_cast<int>(dpi), 72);
    description.lfWeight = font->bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = ANSI_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = VARIABLE_PITCH | font->family;
    lstrcpynW(description.lfFaceName, font->face, LF_FACESIZE);
    return made = CreateFontIndirectW(&description);
}

void Controls::release_fonts_and_pictures() {
    for (const auto& [font, handle] : fonts_)
        if (handle && handle != GetStockObject(DEFAULT_GUI_FONT)) DeleteObject(handle);
    fonts_.clear();
    for (Entry& entry : entries_) {
        if (entry.picture) DestroyIcon(entry.picture);
        entry.picture = nullptr;
    }
}

void Controls::set_back_colour(int id, ColourValue colour) {
    const HWND control = (*this)[id];
    for (Entry& entry : entries_) {
        if (entry.hwnd == control && entry.back_colour != colour) {
            entry.back_colour = colour;
            InvalidateRect(control, nullptr, TRUE);
        }
    }
}

HBRUSH Controls::colours(HWND control, HDC dc, ColourValue window_background) const {
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

}  // namespace trelumo

namespace trelumo {

void draw_lines(HDC dc, std::span<const LineLayout> lines, const LayoutScale& scale) {
    for (const LineLayout& line : lines) {
        const int width = std::max(1, scale.pixels(line.width * 15));
        const int x1 = scale.pixels(line.x1);
        const int y1 = scale.pixels(line.y1);
        const int x2 = scale.pixels(line.x2);
        const int y2 = scale.pixels(line.y2);
        // A line of some width grows right and down from its place, as the stored layout means it.
        RECT band{x1, y1, std::max(x1, x2) + (x1 == x2 ? width : 0),
                  std::max(y1, y2) + (y1 == y2 ? width : 0)};
        const HBRUSH brush = CreateSolidBrush(colour_of(line.colour));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
}

}  // namespace trelumo
