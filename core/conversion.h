// Everything Trelumo knows about money: the rate, the two directions of conversion, the
// patterns amounts are shown in and the sentences that state a conversion. Amounts travel as
// text in the locale's separators; every operation parses the text it is given afresh.
#pragma once

#include <string>
#include <string_view>

#include "platform/number_text/number_text.h"

namespace trelumo {

/// The fixed legal rate: pesetas to one euro.
inline constexpr double pts_per_euro = 166.386;

inline constexpr std::string_view euro_pattern = "#,##0.00";
inline constexpr std::string_view pts_pattern = "#,##0";

/// The conversion rules bound to one locale's separators. Holds no other state.
class Conversion {
public:
    explicit Conversion(Separators separators = spanish_separators());

    const Separators& separators() const { return separators_; }
    bool is_numeric(std::string_view text) const;
    /// "-", "+", ",", "-,": the start of a number being typed, which is not yet a number.
    bool is_number_beginning(std::string_view text) const;

    /// A euro text is a numeric text that may carry the euro's unit, as an amount pasted from
    /// elsewhere does: "€", "EUR" or "euros" in any case, before or after the number, with or
    /// without blanks between. A unit of pesetas makes it no euro text.
    bool is_euro_text(std::string_view text) const;
    /// The same for pesetas, whose units are "Ptas.", "pts", "pesetas" and "₧".
    bool is_pts_text(std::string_view text) const;

    /// Throws RunTimeError (overflow) when the product exceeds the range of a double, and
    /// RunTimeError (type mismatch) for a text that is not a euro text.
    std::string pts_from_euro_text(std::string_view euro_text) const;
    /// Throws RunTimeError (overflow) when the quotient exceeds the range of a double, and
    /// RunTimeError (type mismatch) for a text that is not a peseta text.
    std::string euro_from_pts_text(std::string_view pts_text) const;

    /// A euro or peseta text tidied into its pattern, the number alone; any other text comes
    /// back unchanged.
    std::string reformat_euro_text(std::string_view euro_text) const;
    std::string reformat_pts_text(std::string_view pts_text) const;

    std::string zero_euro_text() const;
    std::string zero_pts_text() const;

    /// "1,00 Euros  =  166 Ptas.": the text as given, then its conversion.
    std::string euro_sentence(std::string_view euro_text) const;
    /// "166 Ptas.  =  1,00 Euros"
    std::string pts_sentence(std::string_view pts_text) const;

private:
    Separators separators_;
};

}  // namespace trelumo
