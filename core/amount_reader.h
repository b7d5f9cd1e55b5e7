// How the text of an amount field reads as an amount of the field's currency, as people write,
// type and paste amounts: the number in the locale's separators, with the currency's unit, number
// words, duros or céntimos. Every amount is exact: a word or a unit scales the exact number.
#pragma once

#include <optional>
#include <string_view>

#include "platform/number_text/amount.h"
#include "platform/number_text/number_text.h"

namespace trelumo {

enum class Currency { euro, pts };

/// Reads amount texts in one locale's separators. Holds no other state.
class AmountReader {
public:
    explicit AmountReader(Separators separators);

    /// The separators it reads amounts in.
    const Separators& separators() const { return separators_; }

    /// The amount a text of the currency denotes; nothing for any other text, the other
    /// currency's unit included. Besides a numeric text (see read_amount), it reads:
    /// - the currency's unit before or after the number, in any case, with or without blanks
    ///   between and with or without a final full stop: "€", "EUR", "euro", "euros"; "₧", "pta",
    ///   "ptas", "pts", "peseta", "pesetas" ("5 Euros.", "5 €.", "-€ 5", "€-5", "1.000 Pts."). A
    ///   full stop right after a unit before the number is the unit's, never a decimal point
    ///   ("Pts.100" is 100 pesetas, "EUR.5" 5 euros);
    /// - number words after the number, or standing for one: "mil" a thousand; "millón",
    ///   "millones" or "M" a million; "mil millones"; "de" between a million and the unit; "un"
    ///   or "una" for one before a word ("3 mil", "1,5 M €", "2 millones de pesetas", "mil",
    ///   "un millón", "una peseta");
    /// - in the peseta field, duros of five pesetas ("20 duros"). There a decimal separator that
    ///   sets apart groups of exactly three digits groups them, as English documents write
    ///   thousands ("1,000 ptas" is a thousand pesetas), unless a number word follows ("1,500
    ///   millones"): nobody writes thousandths of a peseta;
    /// - in the euro field, céntimos ("50 céntimos", "5 cts", "5 cént."); euros with their cents
    ///   ("5 euros con 20", "5 € con 5 céntimos": 5,20 and 5,05); the euro sign between euros
    ///   and their decimals ("5€20").
    std::optional<Amount> amount(Currency currency, std::string_view text) const;

    /// True for a text that more characters typed at its end can make an amount of the currency:
    /// amounts themselves, the empty text, "-", ",", "-€", "5 eu", "Pts ", "1.", "1 2",
    /// "2 millones d", "5 euros con".
    bool is_beginning(Currency currency, std::string_view text) const;

    /// The amount that a text left in its field plainly is: its amount, or that of the text
    /// completed where its only unfinished part is a closing point or comma ("1.000."), or the
    /// beginning of its unit ("5 eu", "3,50 e", "5 pes", "2 millones de"). Nothing when no
    /// such completion makes it an amount ("-", "1 2", "5 mi").
    std::optional<Amount> settled(Currency currency, std::string_view text) const;

private:
    // The text read as is, without blanks around it or invisible marks.
    std::optional<Amount> read(Currency currency, std::string_view text) const;
    std::optional<Amount> beyond_the_number(Currency currency, std::string_view text) const;
    std::optional<Amount> number(Currency currency, std::string_view text,
                                 bool before_a_word) const;
    std::optional<Amount> phrase(Currency currency, std::string_view text) const;
    std::optional<Amount> euros_and_cents(std::string_view text) const;

    Separators separators_;
    Separators decimal_grouping_;  // the decimal separator taken as a group separator
};

}  // namespace trelumo
