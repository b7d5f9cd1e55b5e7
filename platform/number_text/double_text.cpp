#include "platform/number_text/double_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace trelumo {
namespace {

// The shortest decimal that reads back as the value, exactly.
Amount shortest_amount(double value) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, written.ptr);  // "-1.2345e+01"
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (c != '.') digits += c;
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    if (text[e + 1] == '-') exponent = -exponent;
    // d.ddd × 10^exponent: digits × 10^(exponent - decimals after the point)
    int scale = static_cast<int>(digits.size()) - 1 - exponent;
    if (scale < 0) {
        digits.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    return Amount(negative, digits, scale);
}

}  // namespace

std::optional<double> parse_number(std::string_view text, const Separators& separators) {
    const std::optional<Amount> amount = read_amount(text, separators);
    if (!amount) return std::nullopt;
    const std::string plain = amount->plain();
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) value = 0.0;  // too small for a double: zero
    // Keeps the sign of a zero written with one ("-0"), which the amount has not.
    std::string room;
    const std::string_view number = *amount_text_as_read(text, room);  // read above, so there
    const bool minus = sign_size(number) > 0 && number.front() != '+';
    return value == 0.0 && minus ? -0.0 : value;
}

std::string format_number(double value, std::string_view pattern, const Separators& separators) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    return format_amount(shortest_amount(value).rounded(pattern_decimals(pattern)), pattern,
                         separators);
}

std::string format_number(std::int16_t value, std::string_view pattern,
                          const Separators& separators) {
    return format_number(static_cast<double>(value), pattern, separators);
}

}  // namespace trelumo
