// An amount of money as the exact decimal number its text denotes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelumo {

/// ±digits × 10^-scale, exactly: no binary fraction ever changes an amount. Amounts whose digits
/// fit a 64-bit integer are computed on it; larger ones digit by digit, with the same results.
class Amount {
public:
    /// Zero.
    Amount() = default;
    /// ±digits × 10^-scale: the digits, the most significant first, leading zeros allowed, none
    /// for zero; `scale` (0 or more) of them are decimals, and more than there are digits means
    /// leading zeros after the point (digits "5", scale 3: 0.005). Zero is never negative.
    Amount(bool negative, std::string_view digits, int scale);

    /// Room for the digits of an amount that fits a machine integer.
    using DigitRoom = char[20];
    /// The digits without leading zeros, "0" for zero; written into `room` when they fit a
    /// machine integer, so that the text lives as long as both the amount and the room.
    std::string_view digits(DigitRoom& room) const;
    /// How many of the digits are decimals; trailing zeros count (1.50 has two).
    int scale() const { return scale_; }
    bool negative() const { return negative_; }

    /// "-1234.50": the integer digits, then as many decimals as the amount has.
    std::string plain() const;

    /// The amount times numerator / denominator, rounded half away from zero to `decimals`
    /// decimals (0 or more).
    Amount scaled(std::uint32_t numerator, std::uint32_t denominator, int decimals) const;
    /// The amount rounded half away from zero to `decimals` decimals.
    Amount rounded(int decimals) const { return scaled(1, 1, decimals); }

    /// False when the amount is beyond the range of a double: at or above the halfway point
    /// between the largest double (about 1.8 × 10^308) and the next power of two, which a double
    /// rounds to infinity. An amount too small for a double is within it, as zero.
    bool fits_in_double() const;

    bool operator==(const Amount&) const = default;

private:
    bool negative_ = false;
    int scale_ = 0;
    std::uint64_t integer_ = 0;  // the digits, when they fit: then digits_ is empty
    std::string digits_;         // otherwise the digits, without leading zeros
};

}  // namespace trelumo
