#include "core/amount.h"

#include <cstddef>

#include "platform/number_text/number_text.h"

namespace trelumo {
namespace {

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

void drop_leading_zeros(std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    digits.erase(0, first == digits.npos ? digits.size() - 1 : first);
}

}  // namespace

Amount Amount::from_plain(std::string_view plain) {
    Amount amount;
    const bool negative = plain.starts_with('-');
    if (negative) plain.remove_prefix(1);
    const std::size_t point = plain.find('.');
    amount.digits_ = plain.substr(0, point);
    if (point != plain.npos) {
        amount.digits_ += plain.substr(point + 1);
        amount.scale_ = static_cast<int>(plain.size() - point - 1);
    }
    if (amount.digits_.empty()) amount.digits_ = "0";
    drop_leading_zeros(amount.digits_);
    amount.negative_ = negative && amount.digits_ != "0";
    return amount;
}

std::string Amount::plain() const {
    const std::size_t scale = static_cast<std::size_t>(scale_);
    std::string text = digits_;
    if (text.size() <= scale) text.insert(0, scale + 1 - text.size(), '0');
    if (scale > 0) text.insert(text.size() - scale, 1, '.');
    return negative_ ? "-" + text : text;
}

// With N = |amount| × numerator × 10^decimals and d = denominator, the result's digits are
// N / d rounded half up: floor((2N + d) / 2d). Where the amount has more decimals than the result
// (k more), 2N is not whole, and floor((2N + d) / 2d) = floor((floor(2N) + d) / 2d) all the same.
Amount Amount::scaled(std::uint32_t numerator, std::uint32_t denominator, int decimals) const {
    std::string digits = digits_;
    multiply(digits, 2 * static_cast<std::uint64_t>(numerator));
    if (decimals >= scale_) {
        digits.append(static_cast<std::size_t>(decimals - scale_), '0');
    } else {
        const std::size_t dropped = static_cast<std::size_t>(scale_ - decimals);
        digits.resize(digits.size() > dropped ? digits.size() - dropped : 0);
        if (digits.empty()) digits = "0";
    }
    add(digits, denominator);
    divide(digits, 2 * static_cast<std::uint64_t>(denominator));
    drop_leading_zeros(digits);

    Amount result;
    result.digits_ = std::move(digits);
    result.scale_ = decimals;
    result.negative_ = negative_ && result.digits_ != "0";
    return result;
}

bool Amount::fits_in_double() const {
    return within_double_range(plain());
}

}  // namespace trelumo
