// How the number-text and conversion fuzz targets read their input. The first byte chooses the
// separators, in its low three bits, and whether the rest is a text or the eight bytes of a double
// (bit 3). Separators 0 to 5 are locales' own, two of them with multi-byte separators; 6 and 7 take
// a pair from the input: the decimal separator up to a zero byte, then the group separator up to
// another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/number_text/number_text.h"

namespace trelumo::fuzz {

struct AmountInput {
    Separators separators;
    bool separators_of_a_locale = false;  // or a pair taken from the input
    bool is_value = false;
    double value = 0.0;
    std::string_view text;
};

inline const Separators locale_separators[] = {
    {",", "."},            // Spanish (Spain)
    {".", ","},            // English
    {",", "\u202F"},       // French: narrow no-break space
    {"\u066B", "\u066C"},  // Arabic decimal and thousands separators
    {".", "\u2019"},       // Swiss German: right single quotation mark
    {"\u066B", "."},       // a multi-byte decimal separator with a one-byte group separator
};

// A separator as a locale could have it: one to nine bytes (three UTF-16 units at most), without
// digits, signs, blanks, dashes or invisible marks.
inline bool usable_separator(std::string_view separator) {
    if (separator.empty() || separator.size() > 9) return false;
    for (const char c : separator) {
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == ' ' || c == '\t') return false;
    }
    for (const std::string_view taken :
         {"\u00A0", "\u202F", "\u2009", "\u2007", "\uFEFF", "\u2212", "\u2013", "\u2012", "\u200B",
          "\u200E", "\u200F", "\u2060", "\u00AD"}) {
        if (separator.find(taken) != separator.npos) return false;
    }
    return true;
}

// A pair that can be told apart: neither separator starts the other.
inline bool usable_pair(std::string_view decimal, std::string_view group) {
    return usable_separator(decimal) && usable_separator(group) && !decimal.starts_with(group) &&
           !group.starts_with(decimal);
}

inline std::optional<AmountInput> read_amount_input(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return std::nullopt;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    AmountInput input;
    const unsigned choice = data[0] & 7;
    if (choice < std::size(locale_separators)) {
        input.separators = locale_separators[choice];
        input.separators_of_a_locale = true;
    } else {
        const std::size_t decimal_end = rest.find('\0');
        const std::size_t group_end = rest.find('\0', decimal_end + 1);
        if (group_end == rest.npos) return std::nullopt;
        const std::string_view decimal = rest.substr(0, decimal_end);
        const std::string_view group = rest.substr(decimal_end + 1, group_end - decimal_end - 1);
        if (!usable_pair(decimal, group)) return std::nullopt;
        input.separators = {std::string(decimal), std::string(group)};
        rest.remove_prefix(group_end + 1);
    }
    input.is_value = (data[0] & 8) != 0;
    if (input.is_value) {
        if (rest.size() < sizeof input.value) return std::nullopt;
        std::memcpy(&input.value, rest.data(), sizeof input.value);
    } else {
        input.text = rest;
    }
    return input;
}

}  // namespace trelumo::fuzz
