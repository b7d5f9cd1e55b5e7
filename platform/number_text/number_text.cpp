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

bool separator_at(std::string_view text, std::size_t pos, std::string_view separator) {
    return !separator.empty() && text.substr(pos).starts_with(separator);
}

constexpr std::string_view no_break_space = "\u00A0";
constexpr std::string_view narrow_no_break_space = "\u202F";
constexpr std::string_view blanks[] = {" ",  "\t",           "\n",
                                       "\r", no_break_space, narrow_no_break_space};

// The size of a group separator at pos: the locale's own, and in every locale a space, a no-break
// space or a narrow no-break space; where the locale groups with U+2019, also the keyboard's
// apostrophe.
std::size_t group_at(std::string_view text, std::size_t pos, const Separators& separators) {
    if (separator_at(text, pos, separators.group)) return separators.group.size();
    for (const std::string_view blank : {blanks[0], no_break_space, narrow_no_break_space}) {
        if (separator_at(text, pos, blank)) return blank.size();
    }
    if (separators.group == "\u2019" && text[pos] == '\'') return 1;
    return 0;
}

// A numeric text rewritten the way std::from_chars reads it: an optional "-", the integer digits
// without leading zeros (a single "0" when they are all zero), then "." and the decimals.
std::optional<std::string> normalise(std::string_view text, const Separators& separators) {
    text = without_blanks_around(text);
    std::string normal(text.size() + 2, '0');
    std::size_t size = 0;
    std::size_t pos = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (text[0] == '-') normal[size++] = '-';
        pos = 1;
    }
    std::size_t digits = 0;
    bool significant = false;
    bool in_fraction = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (is_digit(c)) {
            ++digits;
            significant = significant || c != '0';
            if (in_fraction || significant) normal[size++] = c;
            ++pos;
        } else if (!in_fraction && separator_at(text, pos, separators.decimal)) {
            if (!significant) normal[size++] = '0';
            normal[size++] = '.';
            in_fraction = true;
            pos += separators.decimal.size();
        } else if (const std::size_t group =
                       in_fraction || digits == 0 ? 0 : group_at(text, pos, separators)) {
            pos += group;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    if (!in_fraction && !significant) normal[size++] = '0';
    normal.resize(size);
    return normal;
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

// The shortest digits that read back as the value, as value = ±0.digits × 10^point, with no
// leading zero; zero has no digits.
struct Decimal {
    bool negative = false;
    char digits[20] = {};
    int size = 0;
    int point = 0;

    char at(long index) const { return index >= 0 && index < size ? digits[index] : '0'; }
};

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
        if (c != '.') decimal.digits[decimal.size++] = c;
    }
    if (decimal.digits[0] == '0') return {decimal.negative};
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    decimal.point = (text[e + 1] == '-' ? -exponent : exponent) + 1;
    return decimal;
}

// Keeps `decimals` decimals, rounding half away from zero on the first digit dropped.
void round_to(Decimal& decimal, long decimals) {
    const long cut = decimal.point + decimals;
    if (cut >= decimal.size) return;
    const char dropped = decimal.at(cut);
    decimal.size = static_cast<int>(std::max(cut, 0L));
    if (dropped >= '5') {
        while (decimal.size > 0 && decimal.digits[decimal.size - 1] == '9') --decimal.size;
        if (decimal.size == 0) {  // 0,995 → 1,00: the carry runs out of the leading digit
            decimal.digits[decimal.size++] = '0';
            ++decimal.point;
        }
        ++decimal.digits[decimal.size - 1];
    }
    while (decimal.size > 0 && decimal.digits[decimal.size - 1] == '0') --decimal.size;
    if (decimal.size == 0) decimal.point = 0;
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

bool is_numeric(std::string_view text, const Separators& separators) {
    return parse_number(text, separators).has_value();
}

bool is_number_beginning(std::string_view text, const Separators& separators) {
    std::string_view rest = without_blanks_around(text);
    if (rest.starts_with('-') || rest.starts_with('+')) rest.remove_prefix(1);
    if (separator_at(rest, 0, separators.decimal)) rest.remove_prefix(separators.decimal.size());
    return rest.empty() && !without_blanks_around(text).empty();
}

std::optional<double> parse_number(std::string_view text, const Separators& separators) {
    const std::optional<std::string> normal = normalise(text, separators);
    if (!normal) return std::nullopt;
    const char* first = normal->data();
    const char* last = first + normal->size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        const bool negative = normal->front() == '-';
        const bool below_one = normal->at(negative ? 1 : 0) == '0';
        if (!below_one) return std::nullopt;
        return negative ? -0.0 : 0.0;  // too small for a double: underflows to zero
    }
    if (error != std::errc{} || end != last) return std::nullopt;
    return value;
}

std::string format_number(double value, std::string_view pattern, const Separators& separators) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const Pattern layout = read_pattern(pattern);
    Decimal decimal = shortest_decimal(value);
    round_to(decimal, static_cast<long>(layout.max_decimals));

    const std::size_t integer_size =
        std::max(static_cast<std::size_t>(std::max(decimal.point, 0)), layout.min_integer);
    const long first_integer = decimal.point - static_cast<long>(integer_size);
    const std::size_t decimals =
        std::clamp(static_cast<std::size_t>(std::max(decimal.size - decimal.point, 0)),
                   layout.min_decimals, layout.max_decimals);
    const bool negative = decimal.negative && decimal.size > 0;
    const std::string_view group = layout.grouping ? separators.group : std::string_view();
    const std::size_t groups = integer_size > 0 ? (integer_size - 1) / 3 : 0;
    const std::string_view point = decimals > 0 ? separators.decimal : std::string_view();
    std::string text(negative + integer_size + groups * group.size() + point.size() + decimals,
                     '\0');
    if (negative) text[0] = '-';
    char* out = text.data() + negative;
    for (std::size_t i = 0; i < integer_size; ++i) {
        if (i > 0 && (integer_size - i) % 3 == 0) out = std::ranges::copy(group, out).out;
        *out++ = decimal.at(first_integer + static_cast<long>(i));
    }
    out = std::ranges::copy(point, out).out;
    for (std::size_t i = 0; i < decimals; ++i) {
        *out++ = decimal.at(decimal.point + static_cast<long>(i));
    }
    return text;
}

std::string format_number(std::int16_t value, std::string_view pattern,
                          const Separators& separators) {
    return format_number(static_cast<double>(value), pattern, separators);
}

std::string format_text(std::string_view text, std::string_view pattern,
                        const Separators& separators) {
    if (const std::optional<double> value = parse_number(text, separators)) {
        return format_number(*value, pattern, separators);
    }
    return std::string(text);
}

}  // namespace trelumo
