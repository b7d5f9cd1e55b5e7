#include "core/amount_reader.h"

#include <algorithm>
#include <span>
#include <utility>

#include "core/amount_words.h"

namespace trelumo {
namespace {

using words::after_word;
using words::before_word;
using words::begins_word;
using words::Case;
using words::is_word;
using words::letters_at_end;
using words::same_letters;

// What a unit makes of the number it follows.
enum class Worth { one, duro, centimo };  // × 1, × 5, × 1/100

struct Unit {
    std::string_view word;  // in lower case
    Worth worth = Worth::one;
};

// The longest first, so that a unit before the number is read whole.
constexpr Unit euro_units[] = {
    {"euros"},
    {"euro"},
    {"eur"},
    {"\u20AC"},
    {"c\u00E9ntimos", Worth::centimo},
    {"c\u00E9ntimo", Worth::centimo},
    {"centimos", Worth::centimo},
    {"centimo", Worth::centimo},
    {"c\u00E9nt", Worth::centimo},
    {"cent", Worth::centimo},
    {"cts", Worth::centimo},
};
constexpr Unit pts_units[] = {
    {"pesetas"},
    {"peseta"},
    {"ptas"},
    {"pta"},
    {"pts"},
    {"\u20A7"},
    {"duros", Worth::duro},
    {"duro", Worth::duro},
};
constexpr std::string_view millions[] = {"millones", "mill\u00F3n", "millon"};
// Words other than units that more letters typed can finish.
constexpr std::string_view number_words[] = {"mil", "millones", "mill\u00F3n", "de", "un", "una"};

std::span<const Unit> units_of(Currency currency) {
    if (currency == Currency::euro) return euro_units;
    return pts_units;
}

// A blank and the currency's first unit, as they finish "2 millones de".
std::string unit_after_blank(Currency currency) {
    return " " + std::string(units_of(currency).front().word);
}

struct FoundUnit {
    Unit unit;
    std::string_view rest;  // the text on the other side of the unit, without blanks around
};

// The unit the text ends with, with or without a full stop after it.
std::optional<FoundUnit> unit_at_end(std::span<const Unit> units, std::string_view text) {
    if (text.ends_with('.')) text.remove_suffix(1);
    for (const Unit& unit : units) {
        if (const auto before = before_word(text, unit.word)) return FoundUnit{unit, *before};
    }
    return std::nullopt;
}

// The unit of whole euros or pesetas the text begins with, and what follows it and its full stop.
std::optional<FoundUnit> unit_at_start(std::span<const Unit> units, std::string_view text) {
    for (const Unit& unit : units) {
        if (unit.worth != Worth::one) continue;
        if (std::optional<std::string_view> after = after_word(text, unit.word)) {
            if (after->starts_with('.')) after->remove_prefix(1);
            return FoundUnit{unit, without_blanks_around(*after)};
        }
    }
    return std::nullopt;
}

// The number words at the end of a text: the power of ten they stand for.
struct NumberWords {
    int power = 0;
    bool first_is_mil = false;  // then they need no number before them: "mil", "mil millones"
    std::string_view rest;      // the text before them
};

NumberWords number_words_at_end(std::string_view text) {
    std::optional<std::string_view> before = before_word(text, "M", Case::exact);
    for (const std::string_view million : millions) {
        if (!before) before = before_word(text, million);
    }
    if (before) {
        if (const auto before_mil = before_word(*before, "mil")) return {9, true, *before_mil};
        return {6, false, *before};
    }
    if (const auto before_mil = before_word(text, "mil")) return {3, true, *before_mil};
    return {0, false, text};
}

// The amount times 10^power, exactly.
Amount times_power_of_ten(const Amount& amount, int power) {
    Amount::DigitRoom room;
    std::string digits(amount.digits(room));
    int scale = amount.scale() - power;
    if (scale < 0) {
        digits.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    return Amount(amount.negative(), digits, scale);
}

bool all_digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The digits of an amount of whole units, without its decimals, which are all zeros (5,00: "5");
// nothing when it has a fraction.
std::optional<std::string> whole_digits(const Amount& amount) {
    Amount::DigitRoom room;
    const std::string_view digits = amount.digits(room);
    const auto scale = static_cast<std::size_t>(amount.scale());
    if (digits == "0") return "0";
    if (scale >= digits.size() ||
        digits.find_first_not_of('0', digits.size() - scale) != digits.npos)
        return std::nullopt;
    return std::string(digits.substr(0, digits.size() - scale));
}

}  // namespace

AmountReader::AmountReader(Separators separators)
    : separators_(std::move(separators)),
      decimal_grouping_{separators_.group, separators_.decimal} {}

std::optional<Amount> AmountReader::amount(Currency currency, std::string_view text) const {
    std::optional<Amount> found = number(currency, text, false);
    if (!found) {
        std::string room;
        if (const std::optional<std::string_view> read_text = amount_text_as_read(text, room))
            found = beyond_the_number(currency, *read_text);
    }
    return found;
}

std::optional<Amount> AmountReader::read(Currency currency, std::string_view text) const {
    if (std::optional<Amount> found = number(currency, text, false)) return found;
    return beyond_the_number(currency, text);
}

std::optional<Amount> AmountReader::beyond_the_number(Currency currency,
                                                      std::string_view text) const {
    if (std::optional<Amount> found = phrase(currency, text)) return found;
    if (currency == Currency::euro) return euros_and_cents(text);
    return std::nullopt;
}

std::optional<Amount> AmountReader::number(Currency currency, std::string_view text,
                                           bool before_a_word) const {
    std::optional<Amount> found = read_amount(text, separators_);
    if (currency != Currency::euro && !before_a_word && (!found || found->scale() == 3)) {
        std::optional<Amount> thousands = read_amount(text, decimal_grouping_);
        if (thousands && thousands->scale() == 0) found = std::move(thousands);
    }
    return found;
}

// [sign] [unit] [sign] number [number words] [de] [unit], with one unit and one sign at most.
std::optional<Amount> AmountReader::phrase(Currency currency, std::string_view text) const {
    const std::span<const Unit> units = units_of(currency);
    std::string_view rest = text;
    std::optional<Unit> unit;
    bool de = false;
    if (const std::optional<FoundUnit> found = unit_at_end(units, rest)) {
        unit = found->unit;
        rest = found->rest;
        if (const auto before_de = before_word(rest, "de")) {
            de = true;
            rest = *before_de;
        }
    }
    const NumberWords words = number_words_at_end(rest);
    if (de && words.power < 6) return std::nullopt;

    // The number with its sign, which may stand before the unit.
    std::string_view number_text = words.rest;
    std::string signed_number;
    if (!unit) {
        const std::size_t sign = sign_size(words.rest);
        const std::string_view after_sign = without_blanks_around(words.rest.substr(sign));
        if (const std::optional<FoundUnit> found = unit_at_start(units, after_sign)) {
            unit = found->unit;
            signed_number = std::string(words.rest.substr(0, sign)).append(found->rest);
            number_text = signed_number;
        }
    }
    if (!unit && words.power == 0) return std::nullopt;  // a plain number, read before

    // Or for one: nothing before "mil", "un" or "una" before a word.
    const std::size_t sign = sign_size(number_text);
    const std::string_view after_sign = without_blanks_around(number_text.substr(sign));
    const bool negative = sign > 0 && number_text[0] != '+';
    std::optional<Amount> number_read;
    if (after_sign.empty() ? words.first_is_mil
                           : same_letters(after_sign, "un") || same_letters(after_sign, "una")) {
        number_read = Amount(negative, "1", 0);
    } else if (!after_sign.empty()) {
        number_read = number(currency, number_text, words.power > 0);
    }
    if (!number_read) return std::nullopt;

    const Worth worth = unit ? unit->worth : Worth::one;
    Amount amount =
        times_power_of_ten(*number_read, words.power - (worth == Worth::centimo ? 2 : 0));
    if (worth == Worth::duro) amount = amount.scaled(5, 1, amount.scale());
    // The number itself is within the range of a double: a word or duros may take it beyond.
    if ((words.power > 0 || worth == Worth::duro) && !amount.fits_in_double()) return std::nullopt;
    return amount;
}

// "5€20"; "5 euros con 20", "5 € con 5 céntimos".
std::optional<Amount> AmountReader::euros_and_cents(std::string_view text) const {
    const std::size_t euro_sign = text.rfind("\u20AC");
    if (euro_sign != text.npos && euro_sign > 0) {
        const std::string_view cents = text.substr(euro_sign + std::string_view("\u20AC").size());
        const std::optional<Amount> euros = read_amount(text.substr(0, euro_sign), separators_);
        if (cents.size() <= 2 && all_digits(cents) && euros && euros->scale() == 0) {
            Amount::DigitRoom room;
            return Amount(euros->negative(), std::string(euros->digits(room)).append(cents),
                          static_cast<int>(cents.size()));
        }
    }

    std::string_view rest = text;
    if (const std::optional<FoundUnit> found = unit_at_end(euro_units, rest)) {
        if (found->unit.worth != Worth::centimo) return std::nullopt;
        rest = found->rest;
    }
    const std::size_t digits =
        rest.size() - std::min(rest.find_last_not_of("0123456789") + 1, rest.size());
    if (digits == 0 || digits > 2) return std::nullopt;
    const std::string_view cents = rest.substr(rest.size() - digits);
    const auto euros_text =
        before_word(without_blanks_around(rest.substr(0, rest.size() - digits)), "con");
    if (!euros_text) return std::nullopt;
    const std::optional<FoundUnit> euro_unit = unit_at_end(euro_units, *euros_text);
    if (!euro_unit || euro_unit->unit.worth != Worth::one) return std::nullopt;
    const std::optional<Amount> euros = phrase(Currency::euro, *euros_text);
    const std::optional<std::string> whole = euros ? whole_digits(*euros) : std::nullopt;
    if (!whole) return std::nullopt;
    return Amount(euros->negative(), *whole + (digits == 1 ? "0" : "") + std::string(cents), 2);
}

bool AmountReader::is_beginning(Currency currency, std::string_view typed) const {
    if (number(currency, typed, false)) return true;  // the keystroke's usual case, at once
    std::string room;
    const std::optional<std::string_view> read_text = amount_text_as_read(typed, room);
    if (!read_text) return false;
    const std::string_view text = *read_text;
    if (beyond_the_number(currency, text)) return true;

    const std::string then_unit = unit_after_blank(currency);
    const auto amount_with = [&](std::string_view more) {
        return read(currency, std::string(text).append(more)).has_value();
    };
    // A word begun at the end, finished.
    if (const std::string_view begun = letters_at_end(text); !begun.empty()) {
        const auto finishes = [&](std::string_view word) {
            if (!begins_word(begun, word)) return false;
            const std::string rest(word.substr(begun.size()));
            return amount_with(rest) || amount_with(rest + "0") || amount_with(rest + " 0") ||
                   amount_with(rest + then_unit);
        };
        for (const Unit& unit : units_of(currency)) {
            if (is_word(unit.word) && finishes(unit.word)) return true;
        }
        if (currency == Currency::euro && finishes("con")) return true;
        if (std::any_of(std::begin(number_words), std::end(number_words), finishes)) return true;
    }
    // More digits; a number after a sign, a unit or "con"; the unit after "de" or "un".
    for (const std::string_view more : {"0", "00", "000", " 0"}) {
        if (amount_with(more)) return true;
    }
    return amount_with(then_unit);
}

std::optional<Amount> AmountReader::settled(Currency currency, std::string_view left) const {
    std::string room;
    if (std::optional<Amount> found = number(currency, left, false)) return found;
    const std::optional<std::string_view> read_text = amount_text_as_read(left, room);
    if (!read_text) return std::nullopt;
    const std::string_view text = *read_text;
    if (std::optional<Amount> found = beyond_the_number(currency, text)) return found;

    if (text.ends_with('.') || text.ends_with(',')) {
        return read(currency, without_blanks_around(text.substr(0, text.size() - 1)));
    }
    const std::string_view begun = letters_at_end(text);
    if (begun.empty()) return std::nullopt;
    for (const Unit& unit : units_of(currency)) {
        if (!is_word(unit.word) || !begins_word(begun, unit.word)) continue;
        const std::string whole = std::string(text).append(unit.word.substr(begun.size()));
        if (std::optional<Amount> found = read(currency, whole)) return found;
    }
    if (begins_word(begun, "de") || same_letters(begun, "de")) {  // "d" or "de", then the unit
        const std::string whole =
            std::string(text).append(std::string_view("de").substr(begun.size())) +
            unit_after_blank(currency);
        return read(currency, whole);
    }
    return std::nullopt;
}

}  // namespace trelumo
