// The narrow code page on Windows: the system's ANSI code page, through UTF-16.
#include <windows.h>

#include "platform/registry/narrow_text.h"

namespace trelumo::registry {
namespace {

// The UTF-16 text of text in code_page; nothing when flags find it invalid.
std::optional<std::wstring> wide_from(UINT code_page, DWORD flags, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wide_length = MultiByteToWideChar(code_page, flags, text.data(), length, nullptr, 0);
    if (wide_length == 0) return std::nullopt;
    std::wstring wide(wide_length, L'\0');
    MultiByteToWideChar(code_page, flags, text.data(), length, wide.data(), wide_length);
    return wide;
}

// The text of wide in code_page. When lacking is given, it tells whether the code page lacked a
// character.
std::string bytes_from(UINT code_page, DWORD flags, std::wstring_view wide, BOOL* lacking) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    std::string text(
        WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, nullptr),
        '\0');
    WideCharToMultiByte(code_page, flags, wide.data(), length, text.data(),
                        static_cast<int>(text.size()), nullptr, lacking);
    return text;
}

}  // namespace

std::optional<std::string> narrow_from_utf8(std::string_view utf8) {
    const auto wide = wide_from(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (!wide) return std::nullopt;
    // Where the ANSI code page is UTF-8 it lacks nothing, and Windows refuses both the flag and
    // the question. Elsewhere, without WC_NO_BEST_FIT_CHARS a character that the code page lacks
    // would pass for a look-alike.
    if (GetACP() == CP_UTF8) return bytes_from(CP_ACP, 0, *wide, nullptr);
    BOOL lacking = FALSE;
    std::string narrow = bytes_from(CP_ACP, WC_NO_BEST_FIT_CHARS, *wide, &lacking);
    if (lacking) return std::nullopt;
    return narrow;
}

std::string utf8_from_narrow(std::string_view narrow) {
    return bytes_from(CP_UTF8, 0, wide_from(CP_ACP, 0, narrow).value_or(std::wstring()), nullptr);
}

}  // namespace trelumo::registry
