#include "platform/number_text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace trelumo {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_continuation_byte(std::string_view text, std::size_t pos) {
    return pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80;
}

bool separator_at(std::string_view text, std::size_t pos, std::string_view separator) {
    return !separator.empty() && text.substr(pos).starts_with(separator);
}

// Blanks that may stand between digit groups, after a sign and after the decimal separator.
constexpr std::string_view inner_blanks[] = {" ", "\u00A0", "\u202F", "\u2009", "\u2007"};
// And around a text: these, tabs, line ends and a byte-order mark.
constexpr std::string_view blanks[] = {" ",  "\u00A0", "\u202F", "\u2009", "\u2007",
                                       "\t", "\n",     "\r",     "\uFEFF"};
constexpr std::string_view signs[] = {"-", "+", "\u2212", "\u2013", "\u2012"};
// Zero-width space, left-to-right and right-to-left marks, word joiner, soft hyphen.
constexpr std::string_view invisible_marks[] = {"\u200B", "\u200E", "\u200F", "\u2060", "\u00AD"};
// The bytes they begin with, which most texts have none of.
constexpr std::string_view invisible_mark_leads = "\xC2\xE2";
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

// A numeric text as plain_number writes it, without the range check.
std::optional<std::string> read_plain(std::string_view text, const Separators& separators) {
    text = without_blanks_around(text);
    if (text.size() > longest_number_text) return std::nullopt;
    std::string room;
    if (const std::string_view unmarked = without_invisible_marks(text, room);
        unmarked.data() != text.data())
        text = without_blanks_around(unmarked);
    std::size_t pos = 0;
    bool negative = false;
    if (const std::size_t sign = sign_size(text)) {
        negative = text[0] != '+';
        pos = after_blanks(text, sign);
    }
    Groups groups;
    pos = read_groups(text, pos, separators, groups);
    const bool grouped = groups.grouped();
    std::string integer = std::move(groups.digits);
    std::string fraction;
    const bool decimal = separator_at(text, pos, separators.decimal);
    if (decimal) {
        pos = after_blanks(text, pos + separators.decimal.size());
        const std::size_t dash = integer.empty() ? 0 : one_of_at(text, pos, whole_amount_dashes);
        pos += dash;
        while (dash == 0 && pos < text.size() && is_digit(text[pos])) fraction += text[pos++];
    }
    if (pos != text.size() || integer.size() + fraction.size() == 0) return std::nullopt;
    if (!grouped) {
        if (!groups.single_point || decimal) return std::nullopt;
        fraction = integer.substr(groups.first);  // "1.5": the point was meant as the decimal one
        integer.resize(groups.first);
    }

    const std::size_t significant = std::min(integer.find_first_not_of('0'), integer.size());
    std::string plain = negative ? "-" : "";
    plain += significant == integer.size() ? "0" : std::string_view(integer).substr(significant);
    if (!fraction.empty()) plain += "." + fraction;
    return plain;
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
    pattern.min_integer = std::ranges::count(integer, '0');
    pattern.min_decimals = std::ranges::count(fraction, '0');
    pattern.max_decimals = pattern.min_decimals + std::ranges::count(fraction, '#');
    return pattern;
}

// A value as ±0.digits × 10^point, with no leading or trailing zero; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    long point = 0;

    char at(long index) const {
        return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
    }
};

Decimal decimal_of_plain(std::string_view plain) {
    Decimal decimal;
    decimal.negative = plain.starts_with('-');
    if (decimal.negative) plain.remove_prefix(1);
    const std::size_t point = std::min(plain.find('.'), plain.size());
    std::string digits(plain.substr(0, point));
    if (point < plain.size()) digits += plain.substr(point + 1);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == digits.npos) return decimal;
    digits.erase(digits.find_last_not_of('0') + 1);
    decimal.digits = digits.substr(first);
    decimal.point = static_cast<long>(point) - static_cast<long>(first);
    return decimal;
}

Decimal shortest_decimal(double value) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, written.ptr);  // "-1.2345e+01"
    Decimal decimal;
    decimal.negative = text.front() == '-';
    if (decimal.negative) text.remove_prefix(1);
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.') decimal.digits += c;
    }
    if (decimal.digits[0] == '0') {
        decimal.digits.clear();
        return decimal;
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    decimal.point = (text[e + 1] == '-' ? -exponent : exponent) + 1;
    return decimal;
}

// Keeps `decimals` decimals, rounding half away from zero on the first digit dropped.
void round_to(Decimal& decimal, long decimals) {
    const long cut = decimal.point + decimals;
    if (cut >= static_cast<long>(decimal.digits.size())) return;
    const char dropped = decimal.at(cut);
    decimal.digits.resize(static_cast<std::size_t>(std::max(cut, 0L)));
    if (dropped >= '5') {
        while (!decimal.digits.empty() && decimal.digits.back() == '9') decimal.digits.pop_back();
        if (decimal.digits.empty()) {  // 0,995 → 1,00: the carry runs out of the leading digit
            decimal.digits.push_back('0');
            ++decimal.point;
        }
        ++decimal.digits.back();
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    if (decimal.digits.empty()) decimal.point = 0;
}

std::string formatted(Decimal decimal, std::string_view pattern, const Separators& separators) {
    const Pattern layout = read_pattern(pattern);
    round_to(decimal, static_cast<long>(layout.max_decimals));

    const long size = static_cast<long>(decimal.digits.size());
    const std::size_t integer_size =
        std::max(static_cast<std::size_t>(std::max(decimal.point, 0L)), layout.min_integer);
    const long first_integer = decimal.point - static_cast<long>(integer_size);
    const std::size_t decimals =
        std::clamp(static_cast<std::size_t>(std::max(size - decimal.point, 0L)),
                   layout.min_decimals, layout.max_decimals);
    const bool negative = decimal.negative && size > 0;
    const std::string_view group = layout.grouping ? separators.group : std::string_view();
    const std::string_view point = decimals > 0 ? separators.decimal : std::string_view();
    std::string text = negative ? "-" : "";
    for (std::size_t i = 0; i < integer_size; ++i) {
        if (i > 0 && (integer_size - i) % 3 == 0) text += group;
        text += decimal.at(first_integer + static_cast<long>(i));
    }
    text += point;
    for (std::size_t i = 0; i < decimals; ++i) {
        text += decimal.at(decimal.point + static_cast<long>(i));
    }
    return text;
}

}  // namespace

std::string_view without_blanks_around(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : blanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
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
    std::size_t pos = text.find_first_of(invisible_mark_leads);
    while (pos != text.npos && mark_at(pos) == 0)
        pos = text.find_first_of(invisible_mark_leads, pos + 1);
    if (pos == text.npos) return text;
    room.assign(text.substr(0, pos));
    while (pos < text.size()) {
        if (const std::size_t mark = mark_at(pos)) {
            pos += mark;
        } else {
            room += text[pos++];
        }
    }
    return room;
}

std::size_t sign_size(std::string_view text) {
    return one_of_at(text, 0, signs);
}

std::optional<std::string> plain_number(std::string_view text, const Separators& separators) {
    std::optional<std::string> plain = read_plain(text, separators);
    if (!plain || !within_double_range(*plain)) return std::nullopt;
    return plain;
}

bool within_double_range(std::string_view plain) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    const bool below_one = plain.starts_with("0") || plain.starts_with("-0");
    return error != std::errc::result_out_of_range || below_one;
}

bool is_numeric(std::string_view text, const Separators& separators) {
    return plain_number(text, separators).has_value();
}

std::optional<double> parse_number(std::string_view text, const Separators& separators) {
    const std::optional<std::string> plain = read_plain(text, separators);
    if (!plain) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (error != std::errc::result_out_of_range) return value;
    if (!within_double_range(*plain)) return std::nullopt;
    return plain->starts_with('-') ? -0.0 : 0.0;  // too small for a double: zero
}

std::string format_plain_number(std::string_view plain, std::string_view pattern,
                                const Separators& separators) {
    return formatted(decimal_of_plain(plain), pattern, separators);
}

std::string format_number(double value, std::string_view pattern, const Separators& separators) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    return formatted(shortest_decimal(value), pattern, separators);
}

std::string format_number(std::int16_t value, std::string_view pattern,
                          const Separators& separators) {
    return format_number(static_cast<double>(value), pattern, separators);
}

std::optional<std::string_view> pasted_amount_text(std::string_view clipboard) {
    const std::string_view text = without_blanks_around(clipboard);
    if (text.size() > longest_number_text) return std::nullopt;
    return text;
}

}  // namespace trelumo
