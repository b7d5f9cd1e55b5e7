#include "platform/number_text/number_text.h"

#include <algorithm>
#include <cstddef>

namespace trelumo {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the piece stands at pos, compared byte by byte: the pieces are a few bytes long, and
// a call to compare them would take longer than comparing them.
bool stands_at(std::string_view text, std::size_t pos, std::string_view piece) {
    if (pos > text.size() || text.size() - pos < piece.size()) return false;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (text[pos + i] != piece[i]) return false;
    }
    return true;
}

bool is_continuation_byte(std::string_view text, std::size_t pos) {
    return pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80;
}

bool separator_at(std::string_view text, std::size_t pos, std::string_view separator) {
    return !separator.empty() && stands_at(text, pos, separator);
}

// Blanks that may stand between digit groups, after a sign and after the decimal separator.
constexpr std::string_view inner_blanks[] = {" ", "\u00A0", "\u202F", "\u2009", "\u2007"};
// And around a text: these, tabs, line ends and a byte-order mark.
constexpr std::string_view blanks[] = {" ",  "\u00A0", "\u202F", "\u2009", "\u2007",
                                       "\t", "\n",     "\r",     "\uFEFF"};
constexpr std::string_view signs[] = {"-", "+", "\u2212", "\u2013", "\u2012"};
// Zero-width space, left-to-right and right-to-left marks, word joiner, soft hyphen.
constexpr std::string_view invisible_marks[] = {"\u200B", "\u200E", "\u200F", "\u2060", "\u00AD"};
constexpr std::string_view whole_amount_dashes[] = {"-", "\u2013"};

// The size of whichever of the pieces stands at pos, or 0.
template <std::size_t N>
std::size_t one_of_at(std::string_view text, std::size_t pos, const std::string_view (&pieces)[N]) {
    for (const std::string_view piece : pieces) {
        if (separator_at(text, pos, piece)) return piece.size();
    }
    return 0;
}

std::size_t after_blanks(std::string_view text, std::size_t pos) {
    while (const std::size_t blank = one_of_at(text, pos, inner_blanks)) pos += blank;
    return pos;
}

// The size of a group separator at pos: the locale's own, a blank, and where the locale groups
// with U+2019, the keyboard's apostrophe.
std::size_t group_at(std::string_view text, std::size_t pos, const Separators& separators) {
    if (separator_at(text, pos, separators.group)) return separators.group.size();
    if (const std::size_t blank = one_of_at(text, pos, inner_blanks)) return blank;
    if (separators.group == "\u2019" && text[pos] == '\'') return 1;
    return 0;
}

// The integer digits of a numeric text as they were grouped.
struct Groups {
    std::string digits;
    std::size_t first = 0;  // digits before the first separator
    std::size_t separators = 0;
    bool all_grouping = true;  // every separator is a group separator of the locale's
    bool later_of_three = true;
    bool single_point = false;  // one separator, a point that is not the decimal separator

    bool grouped() const {
        return separators == 0 || (all_grouping && later_of_three && first >= 1 && first <= 3 &&
                                   digits.front() != '0');
    }
};

// Reads the integer digits from pos; returns where they end.
std::size_t read_groups(std::string_view text, std::size_t pos, const Separators& separators,
                        Groups& groups) {
    std::size_t run = 0;
    const auto end_run = [&] {
        if (groups.separators == 0) {
            groups.first = run;
        } else if (run != 3) {
            groups.later_of_three = false;
        }
    };
    bool points_only = true;
    const std::size_t start = pos;
    while (pos < text.size()) {
        if (is_digit(text[pos])) {
            groups.digits += text[pos++];
            ++run;
            continue;
        }
        if (separator_at(text, pos, separators.decimal)) break;
        const std::size_t group = group_at(text, pos, separators);
        const bool point = text[pos] == '.';
        if (group == 0 && !point) break;
        // A separator follows digits, never another separator; a point may come first (".5").
        if (run == 0 && !(point && pos == start)) break;
        end_run();
        ++groups.separators;
        groups.all_grouping = groups.all_grouping && group > 0;
        points_only = points_only && point && (group == 0 || group == 1);
        run = 0;
        pos += group > 0 ? group : 1;
    }
    if (groups.separators > 0 || run > 0) end_run();
    groups.single_point = groups.separators == 1 && points_only;
    return pos;
}

struct Pattern {
    bool grouping = false;
    std::size_t min_integer = 0;
    std::size_t min_decimals = 0;
    std::size_t max_decimals = 0;
};

// "#" is an optional digit, "0" a required one, "," before the point asks for thousands
// grouping, "." marks where the decimals begin.
Pattern read_pattern(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction = point == text.npos ? "" : text.substr(point + 1);
    Pattern pattern;
    pattern.grouping = integer.find(',') != integer.npos;
    pattern.min_integer = static_cast<std::size_t>(std::count(integer.begin(), integer.end(), '0'));
    pattern.min_decimals =
        static_cast<std::size_t>(std::count(fraction.begin(), fraction.end(), '0'));
    pattern.max_decimals = pattern.min_decimals + static_cast<std::size_t>(std::count(
                                                      fraction.begin(), fraction.end(), '#'));
    return pattern;
}

}  // namespace

std::string_view without_blanks_around(std::string_view text) {
    // Every blank is either ASCII and at most a space, or begins and ends with non-ASCII bytes.
    const auto visible_ascii = [](char c) { return c > ' ' && c < 0x7F; };
    if (!text.empty() && visible_ascii(text.front()) && visible_ascii(text.back())) return text;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : blanks) {
            if (stands_at(text, 0, blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.size() >= blank.size() && stands_at(text, text.size() - blank.size(), blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string_view without_invisible_marks(std::string_view text, std::string& room) {
    // The size of the mark at pos; never one that stands before a stray continuation byte, which
    // taking it away could join to the bytes before it into another character.
    const auto mark_at = [&](std::size_t pos) {
        const std::size_t mark = one_of_at(text, pos, invisible_marks);
        return mark > 0 && !is_continuation_byte(text, pos + mark) ? mark : 0;
    };
    // Byte by byte: a call for each byte of a short text would take longer than the text.
    const auto is_lead = [](char c) { return c == '\xC2' || c == '\xE2'; };
    std::size_t pos = 0;
    while (pos < text.size() && !(is_lead(text[pos]) && mark_at(pos) > 0)) ++pos;
    if (pos == text.size()) return text;
    room.assign(text.substr(0, pos));
    while (pos < text.size()) {
        if (const std::size_t mark = is_lead(text[pos]) ? mark_at(pos) : 0) {
            pos += mark;
        } else {
            room += text[pos++];
        }
    }
    return room;
}

std::size_t sign_size(std::string_view text) {
    if (text.empty()) return 0;
    if (text[0] == '-' || text[0] == '+') return 1;
    if (text[0] != '\xE2') return 0;  // the lead byte of the other signs
    return one_of_at(text, 0, signs);
}

std::optional<std::string_view> amount_text_as_read(std::string_view text, std::string& room) {
    text = without_blanks_around(text);
    if (text.size() > longest_number_text) return std::nullopt;
    const std::string_view unmarked = without_invisible_marks(text, room);
    return unmarked.data() == text.data() ? text : without_blanks_around(unmarked);
}

std::optional<Amount> read_amount(std::string_view text, const Separators& separators) {
    std::string room;
    const std::optional<std::string_view> read_text = amount_text_as_read(text, room);
    if (!read_text) return std::nullopt;
    text = *read_text;
    std::size_t pos = 0;
    bool negative = false;
    if (const std::size_t sign = sign_size(text)) {
        negative = text[0] != '+';
        pos = after_blanks(text, sign);
    }
    Groups groups;
    pos = read_groups(text, pos, separators, groups);
    const bool grouped = groups.grouped();
    std::string& digits = groups.digits;  // the integer digits, then the decimals
    std::size_t decimals = 0;
    const bool decimal = separator_at(text, pos, separators.decimal);
    if (decimal) {
        pos = after_blanks(text, pos + separators.decimal.size());
        const std::size_t dash = digits.empty() ? 0 : one_of_at(text, pos, whole_amount_dashes);
        pos += dash;
        for (; dash == 0 && pos < text.size() && is_digit(text[pos]); ++pos, ++decimals) {
            digits += text[pos];
        }
    }
    if (pos != text.size() || digits.empty()) return std::nullopt;
    if (!grouped) {
        if (!groups.single_point || decimal) return std::nullopt;
        decimals = digits.size() - groups.first;  // "1.5": the point was meant as the decimal one
    }
    Amount amount(negative, digits, static_cast<int>(decimals));
    if (!amount.fits_in_double()) return std::nullopt;
    return amount;
}

bool is_numeric(std::string_view text, const Separators& separators) {
    return read_amount(text, separators).has_value();
}

int pattern_decimals(std::string_view pattern) {
    return static_cast<int>(read_pattern(pattern).max_decimals);
}

std::string format_amount(const Amount& amount, std::string_view pattern,
                          const Separators& separators) {
    const Pattern layout = read_pattern(pattern);
    Amount::DigitRoom room;
    std::string_view digits = amount.digits(room);
    if (digits == "0") digits = {};
    // Digit `index` counted from the first, the amount's point after `point` of them; zeros
    // beyond the digits on either side.
    const long point = static_cast<long>(digits.size()) - amount.scale();
    const auto at = [&](long index) {
        return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
    };
    std::size_t decimals = std::max(static_cast<std::size_t>(amount.scale()), layout.min_decimals);
    while (decimals > layout.min_decimals && at(point + static_cast<long>(decimals) - 1) == '0') {
        --decimals;
    }
    const std::size_t integer_size =
        std::max(static_cast<std::size_t>(std::max(point, 0L)), layout.min_integer);
    const long first_integer = point - static_cast<long>(integer_size);
    const std::string_view group = layout.grouping ? separators.group : std::string_view();
    std::string text = amount.negative() ? "-" : "";
    for (std::size_t i = 0; i < integer_size; ++i) {
        if (i > 0 && (integer_size - i) % 3 == 0) text += group;
        text += at(first_integer + static_cast<long>(i));
    }
    if (decimals > 0) text += separators.decimal;
    for (std::size_t i = 0; i < decimals; ++i) text += at(point + static_cast<long>(i));
    return text;
}

std::optional<std::string_view> pasted_amount_text(std::string_view clipboard) {
    const std::string_view text = without_blanks_around(clipboard);
    if (text.size() > longest_number_text) return std::nullopt;
    return text;
}

}  // namespace trelumo
