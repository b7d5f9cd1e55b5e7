#include "core/conversion.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

double parsed(std::string_view text, const Separators& separators) {
    const std::optional<double> value = parse_number(text, separators);
    if (!value) throw type_mismatch_error();
    return *value;
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

std::string Conversion::pts_from_euro_text(std::string_view euro_text) const {
    const double pts = checked(parsed(euro_text, separators_) * pts_per_euro);
    return format_number(pts, pts_pattern, separators_);
}

std::string Conversion::euro_from_pts_text(std::string_view pts_text) const {
    const double euro = checked(parsed(pts_text, separators_) / pts_per_euro);
    return format_number(euro, euro_pattern, separators_);
}

std::string Conversion::reformat_euro_text(std::string_view euro_text) const {
    return format_text(euro_text, euro_pattern, separators_);
}

std::string Conversion::reformat_pts_text(std::string_view pts_text) const {
    return format_text(pts_text, pts_pattern, separators_);
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
