#include "core/conversion.h"

#include <algorithm>
#include <span>
#include <utility>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

// Lower case; each word may also be written with a final period.
constexpr std::string_view euro_units[] = {"euros", "euro", "eur", "\u20AC"};
constexpr std::string_view pts_units[] = {"pesetas", "peseta", "ptas", "pta", "pts", "\u20A7"};

std::span<const std::string_view> units_of(Currency currency) {
    if (currency == Currency::euro) return euro_units;
    return pts_units;
}

Currency other(Currency currency) {
    return currency == Currency::euro ? Currency::pts : Currency::euro;
}

std::string_view pattern_of(Currency currency) {
    return currency == Currency::euro ? euro_pattern : pts_pattern;
}

bool is_word(std::string_view unit) {
    return unit.front() >= 'a' && unit.front() <= 'z';
}

bool same_letters(std::string_view text, std::string_view unit) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(text.begin(), text.end(), unit.begin(), unit.end(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

bool starts_with_unit(std::string_view text, std::string_view unit) {
    return text.size() >= unit.size() && same_letters(text.substr(0, unit.size()), unit);
}

bool ends_with_unit(std::string_view text, std::string_view unit) {
    return text.size() >= unit.size() && same_letters(text.substr(text.size() - unit.size()), unit);
}

// The ways a text can be read as a unit followed by the rest, with and without a period after a
// word ("Pts.5" is "5", "eur.5" might have been meant as ",5": both are tried).
struct AfterUnit {
    std::string_view rests[2];
    int count = 0;
};

AfterUnit after_unit(std::string_view text, std::string_view unit) {
    AfterUnit after;
    if (!starts_with_unit(text, unit)) return after;
    const std::string_view rest = text.substr(unit.size());
    after.rests[after.count++] = rest;
    if (is_word(unit) && rest.starts_with('.')) after.rests[after.count++] = rest.substr(1);
    return after;
}

std::optional<std::string_view> before_unit(std::string_view text, std::string_view unit) {
    if (is_word(unit) && text.ends_with('.')) text.remove_suffix(1);
    if (!ends_with_unit(text, unit)) return std::nullopt;
    return text.substr(0, text.size() - unit.size());
}

}  // namespace

Conversion::Conversion(Separators separators) : separators_(std::move(separators)) {}

std::optional<Amount> Conversion::amount(Currency currency, std::string_view text) const {
    text = without_blanks_around(text);
    if (text.size() > longest_number_text) return std::nullopt;
    const auto amount_of = [&](std::string_view number) {
        return read_amount(number, separators_);
    };
    if (std::optional<Amount> plain = amount_of(text)) return plain;

    const std::size_t sign = sign_size(text);
    const std::string_view after_sign = without_blanks_around(text.substr(sign));
    for (const std::string_view unit : units_of(currency)) {
        if (const std::optional<std::string_view> number = before_unit(text, unit)) {
            if (std::optional<Amount> found = amount_of(*number)) return found;
        }
        const AfterUnit after = after_unit(after_sign, unit);
        for (int i = 0; i < after.count; ++i) {
            const std::string number = std::string(text.substr(0, sign)).append(after.rests[i]);
            if (std::optional<Amount> found = amount_of(number)) return found;
        }
    }
    return std::nullopt;
}

bool Conversion::is_beginning(Currency currency, std::string_view text) const {
    text = without_blanks_around(text);
    if (text.size() > longest_number_text) return false;
    const auto amount_with = [&](std::string_view more) {
        return amount(currency, std::string(text).append(more)).has_value();
    };
    if (amount(currency, text) || amount_with("0") || amount_with("00") || amount_with("000"))
        return true;
    for (const std::string_view unit : units_of(currency)) {
        for (std::size_t typed = 1; is_word(unit) && typed < unit.size(); ++typed) {
            if (!ends_with_unit(text, unit.substr(0, typed))) continue;
            const std::string whole(unit.substr(typed));
            if (amount_with(whole) || amount_with(whole + "0")) return true;
        }
    }
    return false;
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
    return format_amount(amount, pattern_of(currency), separators_);
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
