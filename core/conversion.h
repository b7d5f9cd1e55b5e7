// Everything Trelumo knows about money: the rate, the two directions of conversion, the
// patterns amounts are shown in and the sentences that state a conversion. Amounts travel as
// text in the locale's separators; each operation reads its text once into an exact Amount and
// computes on that, so that every amount is exact to its last digit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/amount_reader.h"
#include "platform/number_text/amount.h"
#include "platform/number_text/number_text.h"

namespace trelumo {

/// The fixed legal rate, 166,386 pesetas to one euro, as an exact fraction.
struct ExactRate {
    std::uint32_t numerator;
    std::uint32_t denominator;
};
inline constexpr ExactRate pts_per_euro{166386, 1000};

inline constexpr std::string_view euro_pattern = "#,##0.00";
inline constexpr std::string_view pts_pattern = "#,##0";

/// The conversion rules bound to one locale's separators. Holds no other state.
class Conversion {
public:
    explicit Conversion(Separators separators = spanish_separators());

    /// The amount a text of the currency denotes (see AmountReader::amount): "1.234,5",
    /// "5 Euros.", "Pts.100", "2 millones de pesetas", "5 euros con 20".
    std::optional<Amount> amount(Currency currency, std::string_view text) const;
    /// The amount a text left in its field plainly is (see AmountReader::settled): "1.000.",
    /// "5 eu".
    std::optional<Amount> settled_amount(Currency currency, std::string_view text) const;

    /// True for a text that more characters typed at its end can make an amount of the currency
    /// (see AmountReader::is_beginning).
    bool is_beginning(Currency currency, std::string_view text) const;

    bool is_euro_text(std::string_view text) const;
    bool is_pts_text(std::string_view text) const;

    /// The amount rounded as its field shows it: to cents, or to whole pesetas.
    Amount tidied(Currency currency, const Amount& amount) const;
    /// The amount in its currency's pattern, as it is: it never rounds, so hand it a tidied amount.
    std::string formatted(Currency currency, const Amount& amount) const;
    /// The amount in the other currency, tidied. Throws RunTimeError (overflow) when the result
    /// is beyond the range of a double.
    Amount converted(Currency from, const Amount& amount) const;
    /// "1,00 Euros  =  166 Ptas.": the text shown for the amount, then its conversion. Throws as
    /// converted does.
    std::string sentence(Currency from, std::string_view shown, const Amount& amount) const;

    /// The same operations on a text, read once. Those that convert throw RunTimeError (type
    /// mismatch) for a text that is no amount of its currency.
    std::string pts_from_euro_text(std::string_view euro_text) const;
    std::string euro_from_pts_text(std::string_view pts_text) const;
    /// A euro or peseta amount tidied into its pattern, the number alone; any other text comes
    /// back unchanged.
    std::string reformat_euro_text(std::string_view euro_text) const;
    std::string reformat_pts_text(std::string_view pts_text) const;
    std::string zero_euro_text() const;
    std::string zero_pts_text() const;
    std::string euro_sentence(std::string_view euro_text) const;
    std::string pts_sentence(std::string_view pts_text) const;

private:
    Amount amount_or_error(Currency currency, std::string_view text) const;

    AmountReader reader_;
};

}  // namespace trelumo
