// An amount of money as the exact decimal number its text denotes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelumo {

/// ±digits × 10^-scale, exactly: no binary fraction ever changes an amount.
class Amount {
public:
    /// Zero.
    Amount() = default;
    /// From a plain number: "-", the integer digits, then "." and the decimals ("-1234.50").
    static Amount from_plain(std::string_view plain);

    /// "-1234.50": the integer digits, then as many decimals as the amount has.
    std::string plain() const;

    /// The amount times numerator / denominator, rounded half away from zero to `decimals`
    /// decimals (0 or more).
    Amount scaled(std::uint32_t numerator, std::uint32_t denominator, int decimals) const;
    Amount rounded(int decimals) const { return scaled(1, 1, decimals); }

    /// False when the amount is beyond the range of a double (about 1.8 × 10^308).
    bool fits_in_double() const;

    bool operator==(const Amount&) const = default;

private:
    bool negative_ = false;
    std::string digits_ = "0";  // without leading zeros, "0" for zero
    int scale_ = 0;
};

}  // namespace trelumo
