#include "platform/win32/message_font.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

struct MessageFont {
    UINT dpi;
    LOGFONTW description;
    HFONT font;
    FontMeasure measure;
};

FontMeasure measure_of(HFONT font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW text_metrics{};
    GetTextMetricsW(dc, &text_metrics);
    const std::wstring letters = wide(measured_letters);
    SIZE extent{};
    GetTextExtentPoint32W(dc, letters.c_str(), static_cast<int>(letters.size()), &extent);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {static_cast<double>(extent.cx) / static_cast<double>(letters.size()),
            static_cast<double>(text_metrics.tmHeight)};
}

// The fonts made so far. Windows that laid themselves out for a font the user has since changed
// may still be drawing in it until they hear of the change: none is deleted.
const MessageFont* message_font_for(UINT dpi) {
    static std::vector<MessageFont> made;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return nullptr;
    for (const MessageFont& font : made) {
        if (font.dpi == dpi &&
            std::memcmp(&font.description, &metrics.lfMessageFont, sizeof(LOGFONTW)) == 0)
            return &font;
    }
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!font) return nullptr;
    made.push_back({dpi, metrics.lfMessageFont, font, measure_of(font)});
    return &made.back();
}

}  // namespace

HFONT message_font(UINT dpi) {
    const MessageFont* font = message_font_for(dpi);
    return font ? font->font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LayoutScale layout_scale_for(UINT dpi) {
    const MessageFont* font = message_font_for(dpi);
    return font ? LayoutScale(dpi, font->measure) : LayoutScale(dpi);
}

}  // namespace trelumo
