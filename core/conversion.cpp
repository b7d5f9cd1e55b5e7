#include "core/conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

constexpr std::string_view euro_units[] = {"euros", "eur", "\u20AC"};
constexpr std::string_view pts_units[] = {"pesetas", "ptas.", "pts", "\u20A7"};

bool same_letters(std::string_view text, std::string_view unit) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(text, unit, {}, lower);
}

// The amount in a text that carries one of the units: "1.234,50 €", "€1.234,50" and "-€5" give
// "1.234,50", "1.234,50" and "-5"; nothing for a text without one of them.
std::optional<std::string> without_unit(std::string_view text,
                                        std::span<const std::string_view> units) {
    const std::string_view amount = without_blanks_around(text);
    for (const std::string_view unit : units) {
        if (amount.size() < unit.size()) continue;
        if (same_letters(amount.substr(amount.size() - unit.size()), unit))
            return std::string(amount.substr(0, amount.size() - unit.size()));
        if (same_letters(amount.substr(0, unit.size()), unit))
            return std::string(amount.substr(unit.size()));
        const bool signed_amount = amount.starts_with('-') || amount.starts_with('+');
        if (signed_amount && same_letters(amount.substr(1, unit.size()), unit))
            return amount.front() + std::string(amount.substr(1 + unit.size()));
    }
    return std::nullopt;
}

// The value of a numeric text, or of an amount with one of the units.
std::optional<double> amount_value(std::string_view text, std::span<const std::string_view> units,
                                   const Separators& separators) {
    if (const std::optional<double> value = parse_number(text, separators)) return value;
    if (const std::optional<std::string> number = without_unit(text, units))
        return parse_number(*number, separators);
    return std::nullopt;
}

double value_of(std::string_view text, std::span<const std::string_view> units,
                const Separators& separators) {
    const std::optional<double> value = amount_value(text, units, separators);
    if (!value) throw type_mismatch_error();
    return *value;
}

std::string tidied(std::string_view text, std::string_view pattern,
                   std::span<const std::string_view> units, const Separators& separators) {
    const std::optional<double> value = amount_value(text, units, separators);
    return value ? format_number(*value, pattern, separators) : std::string(text);
}

double checked(double result) {
    if (!std::isfinite(result)) throw overflow_error();
    return result;
}

}  // namespace

Conversion::Conversion(Separators separators) : separators_(std::move(separators)) {}

bool Conversion::is_numeric(std::string_view text) const {
    return trelumo::is_numeric(text, separators_);
}

bool Conversion::is_number_beginning(std::string_view text) const {
    return trelumo::is_number_beginning(text, separators_);
}

bool Conversion::is_euro_text(std::string_view text) const {
    return amount_value(text, euro_units, separators_).has_value();
}

bool Conversion::is_pts_text(std::string_view text) const {
    return amount_value(text, pts_units, separators_).has_value();
}

std::string Conversion::pts_from_euro_text(std::string_view euro_text) const {
    const double pts = checked(value_of(euro_text, euro_units, separators_) * pts_per_euro);
    return format_number(pts, pts_pattern, separators_);
}

std::string Conversion::euro_from_pts_text(std::string_view pts_text) const {
    const double euro = checked(value_of(pts_text, pts_units, separators_) / pts_per_euro);
    return format_number(euro, euro_pattern, separators_);
}

std::string Conversion::reformat_euro_text(std::string_view euro_text) const {
    return tidied(euro_text, euro_pattern, euro_units, separators_);
}

std::string Conversion::reformat_pts_text(std::string_view pts_text) const {
    return tidied(pts_text, pts_pattern, pts_units, separators_);
}

std::string Conversion::zero_euro_text() const {
    return format_number(std::int16_t{0}, euro_pattern, separators_);
}

std::string Conversion::zero_pts_text() const {
    return format_number(std::int16_t{0}, pts_pattern, separators_);
}

std::string Conversion::euro_sentence(std::string_view euro_text) const {
    std::string sentence(euro_text);
    sentence += " Euros  =  ";
    sentence += pts_from_euro_text(euro_text);
    sentence += " Ptas.";
    return sentence;
}

std::string Conversion::pts_sentence(std::string_view pts_text) const {
    std::string sentence(pts_text);
    sentence += " Ptas.  =  ";
    sentence += euro_from_pts_text(pts_text);
    sentence += " Euros";
    return sentence;
}

}  // namespace trelumo
