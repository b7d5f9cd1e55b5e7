#include "platform/number_text/amount.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <system_error>

namespace trelumo {
namespace {

constexpr std::uint64_t largest_integer = std::numeric_limits<std::uint64_t>::max();

// Arithmetic on decimal digits, the most significant first, with a small second operand.

void multiply(std::string& digits, std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        carry += static_cast<std::uint64_t>(*digit - '0') * factor;
        *digit = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
}

void add(std::string& digits, std::uint64_t addend) {
    for (auto digit = digits.rbegin(); digit != digits.rend() && addend > 0; ++digit) {
        addend += static_cast<std::uint64_t>(*digit - '0');
        *digit = static_cast<char>('0' + addend % 10);
        addend /= 10;
    }
    for (; addend > 0; addend /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + addend % 10));
}

// Whole division, the remainder dropped.
void divide(std::string& digits, std::uint64_t divisor) {
    std::uint64_t remainder = 0;
    for (char& digit : digits) {
        remainder = remainder * 10 + static_cast<std::uint64_t>(digit - '0');
        digit = static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
}

// With N = |amount| × numerator × 10^decimals and d = denominator, the result's digits are
// N / d rounded half up: floor((2N + d) / 2d). Where the amount has more decimals than the result
// (k more), 2N is not whole, and floor((2N + d) / 2d) = floor((floor(2N) + d) / 2d) all the same.
// The steps below are those of scaled_digits, on a machine integer; nothing when one does not fit.
std::optional<std::uint64_t> scaled_integer(std::uint64_t value, int scale, std::uint32_t numerator,
                                            std::uint32_t denominator, int decimals) {
    const std::uint64_t twice_numerator = 2 * static_cast<std::uint64_t>(numerator);
    if (value > largest_integer / twice_numerator) return std::nullopt;
    std::uint64_t twice = value * twice_numerator;
    for (int i = scale; i < decimals; ++i) {
        if (twice > largest_integer / 10) return std::nullopt;
        twice *= 10;
    }
    for (int i = decimals; i < scale && twice > 0; ++i) twice /= 10;
    if (twice > largest_integer - denominator) return std::nullopt;
    return (twice + denominator) / (2 * static_cast<std::uint64_t>(denominator));
}

std::string scaled_digits(std::string digits, int scale, std::uint32_t numerator,
                          std::uint32_t denominator, int decimals) {
    multiply(digits, 2 * static_cast<std::uint64_t>(numerator));
    if (decimals >= scale) {
        digits.append(static_cast<std::size_t>(decimals - scale), '0');
    } else {
        const std::size_t dropped = static_cast<std::size_t>(scale - decimals);
        if (digits.size() > dropped) {
            digits.erase(digits.size() - dropped);
        } else {
            digits.assign(1, '0');
        }
    }
    add(digits, denominator);
    divide(digits, 2 * static_cast<std::uint64_t>(denominator));
    return digits;
}

// The integer digits of the least amount a double cannot hold, (2^54 - 1) × 2^970: halfway
// between the largest double, (2^53 - 1) × 2^971, and 2^1024, where rounding to even goes up.
const std::string& least_beyond_double() {
    static const std::string least = [] {
        std::string digits = std::to_string((std::uint64_t{1} << 54) - 1);
        for (int i = 0; i < 970 / 10; ++i) multiply(digits, std::uint64_t{1} << 10);
        return digits;
    }();
    return least;
}

}  // namespace

Amount::Amount(bool negative, std::string_view digits, int scale) : scale_(scale) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    // No digits leave the integer zero; too many for it are kept as they are.
    if (std::from_chars(digits.data(), digits.data() + digits.size(), integer_).ec ==
        std::errc::result_out_of_range)
        digits_ = digits;
    negative_ = negative && !digits.empty();
}

std::string_view Amount::digits(DigitRoom& room) const {
    if (!digits_.empty()) return digits_;
    const auto written = std::to_chars(room, room + sizeof room, integer_);
    return std::string_view(room, static_cast<std::size_t>(written.ptr - room));
}

std::string Amount::plain() const {
    DigitRoom room;
    std::string text(digits(room));
    const std::size_t scale = static_cast<std::size_t>(scale_);
    if (text.size() <= scale) text.insert(0, scale + 1 - text.size(), '0');
    if (scale > 0) text.insert(text.size() - scale, 1, '.');
    return negative_ ? "-" + text : text;
}

Amount Amount::scaled(std::uint32_t numerator, std::uint32_t denominator, int decimals) const {
    if (digits_.empty()) {
        if (const std::optional<std::uint64_t> integer =
                scaled_integer(integer_, scale_, numerator, denominator, decimals)) {
            Amount result;
            result.integer_ = *integer;
            result.scale_ = decimals;
            result.negative_ = negative_ && *integer != 0;
            return result;
        }
    }
    DigitRoom room;
    return Amount(
        negative_,
        scaled_digits(std::string(digits(room)), scale_, numerator, denominator, decimals),
        decimals);
}

bool Amount::fits_in_double() const {
    const std::size_t scale = static_cast<std::size_t>(scale_);
    if (digits_.size() <= scale) return true;  // within a machine integer, or below one
    const std::string_view integer = std::string_view(digits_).substr(0, digits_.size() - scale);
    const std::string& least = least_beyond_double();
    return integer.size() < least.size() || (integer.size() == least.size() && integer < least);
}

}  // namespace trelumo
