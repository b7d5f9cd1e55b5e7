#include "platform/registry/windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace trelumo::registry {
namespace {

// Bytes 0x80 to 0x9F; every other byte stands for the code point of its own value.
constexpr std::array<char32_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t invalid = 0xFFFFFFFF;

char32_t code_point_of(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? high_controls[byte - 0x80] : byte;
}

std::optional<char> byte_of(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<char>(code_point);
    }
    const auto found = std::find(high_controls.begin(), high_controls.end(), code_point);
    if (found == high_controls.end()) return std::nullopt;
    return static_cast<char>(0x80 + (found - high_controls.begin()));
}

// Decodes the UTF-8 sequence at text[at], advancing at past it; an invalid sequence yields
// `invalid`.
char32_t next_code_point(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length - 1 > text.size()) return invalid;
    char32_t code_point = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i - 1]);
        if ((next & 0xC0) != 0x80) return invalid;
        code_point = code_point << 6 | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> shortest = {0, 0, 0x80, 0x800, 0x10000};
    if (code_point < shortest[length] || code_point > 0x10FFFF ||
        (code_point >= 0xD800 && code_point <= 0xDFFF)) {
        return invalid;
    }
    at += length - 1;
    return code_point;
}

void append_utf8(std::string& text, char32_t code_point) {
    if (code_point < 0x80) {
        text += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        text += static_cast<char>(0xC0 | code_point >> 6);
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | code_point >> 12);
        text += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

}  // namespace

std::optional<std::string> windows_1252_from_utf8(std::string_view utf8) {
    std::string narrow;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code_point = next_code_point(utf8, at);
        const auto byte = code_point == invalid ? std::nullopt : byte_of(code_point);
        if (!byte) return std::nullopt;
        narrow += *byte;
    }
    return narrow;
}

std::string utf8_from_windows_1252(std::string_view narrow) {
    std::string utf8;
    for (const char byte : narrow)
        append_utf8(utf8, code_point_of(static_cast<unsigned char>(byte)));
    return utf8;
}

}  // namespace trelumo::registry
