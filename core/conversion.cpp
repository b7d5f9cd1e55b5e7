#include "core/conversion.h"

#include <utility>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

Currency other(Currency currency) {
    return currency == Currency::euro ? Currency::pts : Currency::euro;
}

std::string_view pattern_of(Currency currency) {
    return currency == Currency::euro ? euro_pattern : pts_pattern;
}

}  // namespace

Conversion::Conversion(Separators separators) : reader_(std::move(separators)) {}

std::optional<Amount> Conversion::amount(Currency currency, std::string_view text) const {
    return reader_.amount(currency, text);
}

std::optional<Amount> Conversion::settled_amount(Currency currency, std::string_view text) const {
    return reader_.settled(currency, text);
}

bool Conversion::is_beginning(Currency currency, std::string_view text) const {
    return reader_.is_beginning(currency, text);
}

bool Conversion::is_euro_text(std::string_view text) const {
    return amount(Currency::euro, text).has_value();
}

bool Conversion::is_pts_text(std::string_view text) const {
    return amount(Currency::pts, text).has_value();
}

Amount Conversion::tidied(Currency currency, const Amount& amount) const {
    return amount.rounded(pattern_decimals(pattern_of(currency)));
}

std::string Conversion::formatted(Currency currency, const Amount& amount) const {
    return format_amount(amount, pattern_of(currency), reader_.separators());
}

Amount Conversion::converted(Currency from, const Amount& amount) const {
    const auto [numerator, denominator] = pts_per_euro;
    const bool euro = from == Currency::euro;
    const Amount result =
        amount.scaled(euro ? numerator : denominator, euro ? denominator : numerator,
                      pattern_decimals(pattern_of(other(from))));
    if (!result.fits_in_double()) throw overflow_error();
    return result;
}

std::string Conversion::sentence(Currency from, std::string_view shown,
                                 const Amount& amount) const {
    const bool euro = from == Currency::euro;
    std::string sentence(shown);
    sentence += euro ? " Euros  =  " : " Ptas.  =  ";
    sentence += formatted(other(from), converted(from, amount));
    sentence += euro ? " Ptas." : " Euros";
    return sentence;
}

Amount Conversion::amount_or_error(Currency currency, std::string_view text) const {
    std::optional<Amount> found = amount(currency, text);
    if (!found) throw type_mismatch_error();
    return *found;
}

std::string Conversion::pts_from_euro_text(std::string_view euro_text) const {
    return formatted(Currency::pts,
                     converted(Currency::euro, amount_or_error(Currency::euro, euro_text)));
}

std::string Conversion::euro_from_pts_text(std::string_view pts_text) const {
    return formatted(Currency::euro,
                     converted(Currency::pts, amount_or_error(Currency::pts, pts_text)));
}

std::string Conversion::reformat_euro_text(std::string_view euro_text) const {
    const std::optional<Amount> found = amount(Currency::euro, euro_text);
    return found ? formatted(Currency::euro, tidied(Currency::euro, *found))
                 : std::string(euro_text);
}

std::string Conversion::reformat_pts_text(std::string_view pts_text) const {
    const std::optional<Amount> found = amount(Currency::pts, pts_text);
    return found ? formatted(Currency::pts, tidied(Currency::pts, *found)) : std::string(pts_text);
}

std::string Conversion::zero_euro_text() const {
    return formatted(Currency::euro, Amount{});
}

std::string Conversion::zero_pts_text() const {
    return formatted(Currency::pts, Amount{});
}

std::string Conversion::euro_sentence(std::string_view euro_text) const {
    return sentence(Currency::euro, euro_text, amount_or_error(Currency::euro, euro_text));
}

std::string Conversion::pts_sentence(std::string_view pts_text) const {
    return sentence(Currency::pts, pts_text, amount_or_error(Currency::pts, pts_text));
}

}  // namespace trelumo
