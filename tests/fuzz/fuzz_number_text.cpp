// The numeric test, the exact amount, text to double and pattern format, over any text or double
// and any separators. Properties: the numeric test, the amount and parsing agree; the amount
// written plainly reads back as itself; every text the formatter writes for a finite value or an
// amount rounded to the pattern is numeric, has the pattern's shape, lies within half a unit of
// the last decimal of the value, and reads back to a value that formats to the same text.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/number_text/double_text.h"
#include "tests/fuzz/amount_input.h"
#include "tests/fuzz/check.h"

namespace {

using namespace trelumo;
using fuzz::require;

struct Pattern {
    std::string_view text;
    int decimals;
};
constexpr Pattern patterns[] = {{"#,##0.00", 2}, {"#,##0", 0}};

bool all_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// An optional minus, one to three digits, groups of three behind group separators, and the
// pattern's number of decimals behind the decimal separator.
bool has_pattern_shape(std::string_view text, const Separators& separators, int decimals) {
    if (text.starts_with('-')) text.remove_prefix(1);
    if (decimals > 0) {
        const std::size_t point = text.rfind(separators.decimal);
        if (point == text.npos) return false;
        const std::string_view fraction = text.substr(point + separators.decimal.size());
        if (fraction.size() != static_cast<std::size_t>(decimals) || !all_digits(fraction))
            return false;
        text = text.substr(0, point);
    }
    std::size_t group = text.find(separators.group);
    const std::string_view first = text.substr(0, group);
    if (first.size() > 3 || !all_digits(first)) return false;
    while (group != text.npos) {
        text.remove_prefix(group + separators.group.size());
        group = text.find(separators.group);
        const std::string_view digits = text.substr(0, group);
        if (digits.size() != 3 || !all_digits(digits)) return false;
    }
    return true;
}

// A text formatted from a double, or from an exact amount.
enum class From { value, digits };

void check_formatted(double value, const Pattern& pattern, const Separators& separators,
                     const std::string& text, From from) {
    require(is_numeric(text, separators), "what the formatter writes is numeric", text);
    require(has_pattern_shape(text, separators, pattern.decimals),
            "what the formatter writes has the pattern's grouping and decimals", text,
            pattern.text);
    const double back = *parse_number(text, separators);
    const std::string again = from == From::value ? format_number(back, pattern.text, separators)
                                                  : format_amount(*read_amount(text, separators),
                                                                  pattern.text, separators);
    require(again == text, "what the formatter writes reads back to what formats the same", text,
            again);
    const double unit = std::pow(10.0, -pattern.decimals);
    require(std::fabs(back - value) <= unit / 2 + (std::fabs(value) + unit) * 4 * DBL_EPSILON,
            "the text is the value rounded to the pattern's decimals", text);
    require(!text.starts_with('-') || (value < 0 && back != 0),
            "a minus sign only for a value below zero that does not round to zero", text);
}

void check_text(std::string_view text, const Separators& separators) {
    const std::optional<double> value = parse_number(text, separators);
    const std::optional<Amount> amount = read_amount(text, separators);
    require(is_numeric(text, separators) == value.has_value() &&
                value.has_value() == amount.has_value(),
            "the numeric test accepts exactly the texts that parse", text);
    if (!amount) return;
    require(std::isfinite(*value), "a numeric text reads as a finite value", text);
    const std::string plain = amount->plain();
    require(read_amount(plain, Separators{".", ""}) == *amount,
            "an amount written plainly reads back as itself", text, plain);
    for (const Pattern& pattern : patterns) {
        const std::string formatted =
            format_amount(amount->rounded(pattern.decimals), pattern.text, separators);
        check_formatted(*value, pattern, separators, formatted, From::digits);
    }
}

void check_value(double value, const Separators& separators) {
    for (const Pattern& pattern : patterns) {
        const std::string formatted = format_number(value, pattern.text, separators);
        if (std::isfinite(value)) {
            check_formatted(value, pattern, separators, formatted, From::value);
        } else {
            require(!is_numeric(formatted, separators), "infinity and NaN are not numeric text",
                    formatted);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<fuzz::AmountInput> input = fuzz::read_amount_input(data, size);
    if (!input) return 0;
    if (input->is_value) {
        check_value(input->value, input->separators);
    } else {
        check_text(input->text, input->separators);
    }
    return 0;
}
