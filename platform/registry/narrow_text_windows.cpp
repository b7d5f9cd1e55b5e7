// The narrow code page on Windows: the system's ANSI code page, through UTF-16.
#include <windows.h>

#include "platform/registry/narrow_text.h"

namespace trelumo::registry {
namespace {

std::wstring wide_from(UINT code_page, std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(code_page, 0, text.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string bytes_from(UINT code_page, DWORD flags, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    std::string text(
        WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, nullptr),
        '\0');
    WideCharToMultiByte(code_page, flags, wide.data(), length, text.data(),
                        static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

}  // namespace

std::string narrow_from_utf8(std::string_view utf8) {
    // Without WC_NO_BEST_FIT_CHARS a character that the code page lacks may become a look-alike;
    // the flag is refused where the ANSI code page is UTF-8, which lacks nothing.
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    return bytes_from(CP_ACP, flags, wide_from(CP_UTF8, utf8));
}

std::string utf8_from_narrow(std::string_view narrow) {
    return bytes_from(CP_UTF8, 0, wide_from(CP_ACP, narrow));
}

}  // namespace trelumo::registry
