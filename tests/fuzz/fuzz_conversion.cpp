// The two conversions, the reformatting and the two sentences, over any text and any separators.
// Properties: a text that is not numeric, nor an amount with its unit, raises the type-mismatch
// error and is never converted; an amount with its unit is tidied into a numeric text; a
// numeric text raises nothing but the overflow error, and only when the result exceeds the range of
// a double; every result is numeric and is the converted value rounded to its pattern (the peseta
// field reading a decimal separator before exactly three digits as grouping); a sentence is the
// text, its piece, the conversion and the closing piece; a euro amount converted to pesetas and
// back comes back unchanged, however large; a text that is an amount of both currencies is the
// same amount in both; an amount is the beginning of an amount, and so is every text on the way
// when it is typed key by key.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/conversion.h"
#include "platform/number_text/double_text.h"
#include "platform/types/run_time_error.h"
#include "tests/fuzz/amount_input.h"
#include "tests/fuzz/check.h"

namespace {

using namespace trelumo;
using fuzz::require;

// The result of one operation: its text, or the number of the run-time error it raised.
struct Outcome {
    std::optional<std::string> text;
    int error = 0;
};

Outcome outcome_of(const std::function<std::string()>& operation) {
    try {
        return {operation(), 0};
    } catch (const RunTimeError& error) {
        return {std::nullopt, error.number()};
    }
}

// A text that is not numeric raises the type-mismatch error in every conversion and is left as it
// is by the tidying, unless it is an amount with the unit of the currency the operation reads.
void check_not_numeric(const Conversion& conversion, const Separators& separators,
                       std::string_view text) {
    const bool euro = conversion.is_euro_text(text);
    const bool pts = conversion.is_pts_text(text);
    require(!(euro && pts) ||
                conversion.amount(Currency::euro, text) == conversion.amount(Currency::pts, text),
            "a text that is an amount of both currencies, without a unit, is the same amount",
            text);
    for (const auto& [operation, reads_euros] : {
             std::pair(std::function([&] { return conversion.pts_from_euro_text(text); }), true),
             std::pair(std::function([&] { return conversion.euro_from_pts_text(text); }), false),
             std::pair(std::function([&] { return conversion.euro_sentence(text); }), true),
             std::pair(std::function([&] { return conversion.pts_sentence(text); }), false),
         }) {
        const int error = outcome_of(operation).error;
        if (reads_euros ? euro : pts) {
            require(error == 0 || error == 6, "an amount with its unit converts", text);
        } else {
            require(error == 13, "a text that is not numeric raises the type-mismatch error", text);
        }
    }
    const std::string euro_text = conversion.reformat_euro_text(text);
    const std::string pts_text = conversion.reformat_pts_text(text);
    require(euro ? is_numeric(euro_text, separators) : euro_text == text,
            "an amount with its unit is tidied into the number alone, other text left alone", text,
            euro_text);
    require(pts ? is_numeric(pts_text, separators) : pts_text == text,
            "an amount with its unit is tidied into the number alone, other text left alone", text,
            pts_text);
}

// A converted text: numeric, and the exact result rounded to the pattern's decimals.
void check_converted(const Separators& separators, std::string_view from, const std::string& text,
                     double exact, int decimals) {
    const std::optional<double> value = parse_number(text, separators);
    require(value.has_value(), "a conversion writes numeric text", from, text);
    const double unit = std::pow(10.0, -decimals);
    require(std::fabs(*value - exact) <= unit / 2 + (std::fabs(exact) + unit) * 4 * DBL_EPSILON,
            "a conversion is the exact result rounded to its pattern", from, text);
}

void check_numeric(const Conversion& conversion, const Separators& separators,
                   std::string_view text) {
    const double value = *parse_number(text, separators);
    constexpr double rate = 166.386;

    const Outcome pts = outcome_of([&] { return conversion.pts_from_euro_text(text); });
    // Within a rounding of the largest double the exact product decides, which a double cannot.
    const double product = std::fabs(value) * (rate * (1 - 1e-12));
    const bool overflows = !std::isfinite(product) || product > DBL_MAX;
    const bool fits = std::fabs(value) * (rate * (1 + 1e-12)) <= DBL_MAX;
    require(pts.error == 0 || pts.error == 6, "euros to pesetas raises nothing but overflow", text);
    require(!overflows || pts.error == 6, "euros to pesetas overflows when the product does", text);
    require(!fits || pts.error == 0, "euros to pesetas raises nothing when the product fits", text);
    if (pts.text) check_converted(separators, text, *pts.text, value * rate, 0);

    // The peseta field reads the number, or where its decimal separator parts off exactly three
    // digits, the thousands it sets apart.
    const Amount number = *read_amount(text, separators);
    Amount::DigitRoom room;
    const Amount as_thousands(number.negative(), number.digits(room), 0);
    const std::string as_pesetas = conversion.reformat_pts_text(text);
    const bool thousands = as_pesetas != format_amount(number.rounded(0), pts_pattern, separators);
    require(!thousands || (number.scale() == 3 &&
                           as_pesetas == format_amount(as_thousands, pts_pattern, separators)),
            "the peseta field reads the number, or three decimals as thousands", text, as_pesetas);
    const double pts_value = thousands ? value * 1000 : value;

    const Outcome euro = outcome_of([&] { return conversion.euro_from_pts_text(text); });
    require(euro.error == 0, "pesetas to euros raises nothing", text);
    check_converted(separators, text, *euro.text, pts_value / rate, 2);

    const Outcome euro_sentence = outcome_of([&] { return conversion.euro_sentence(text); });
    require(euro_sentence.error == pts.error, "the euro sentence fails as its conversion", text);
    if (euro_sentence.text) {
        require(*euro_sentence.text == std::string(text) + " Euros  =  " + *pts.text + " Ptas.",
                "the euro sentence", text, *euro_sentence.text);
    }
    const Outcome pts_sentence = outcome_of([&] { return conversion.pts_sentence(text); });
    require(pts_sentence.error == 0 &&
                *pts_sentence.text == std::string(text) + " Ptas.  =  " + *euro.text + " Euros",
            "the peseta sentence", text, pts_sentence.text.value_or(""));

    const std::string euro_text = conversion.reformat_euro_text(text);
    const std::string pts_text = conversion.reformat_pts_text(text);
    require(is_numeric(euro_text, separators) && is_numeric(pts_text, separators),
            "reformatting writes numeric text", euro_text, pts_text);
    require(conversion.reformat_euro_text(euro_text) == euro_text &&
                conversion.reformat_pts_text(pts_text) == pts_text,
            "reformatting twice changes nothing more", euro_text, pts_text);

    // Rounding to whole pesetas moves an amount by half a peseta at most, less than half a cent.
    const Outcome there = outcome_of([&] { return conversion.pts_from_euro_text(euro_text); });
    if (there.text) {
        const std::string back = conversion.euro_from_pts_text(*there.text);
        require(back == euro_text, "a euro amount converted to pesetas and back is unchanged",
                euro_text, back);
    }
}

// Typed key by key, every text on the way to an amount is kept: so typing and pasting agree. A
// key types one character: the text is cut where a character begins.
void check_typed(const Conversion& conversion, Currency currency, std::string_view text) {
    if (text.size() > 64) return;
    for (std::size_t end = 1; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) continue;
        require(conversion.is_beginning(currency, text.substr(0, end)),
                "every text on the way to an amount typed is the beginning of an amount", text,
                text.substr(0, end));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<fuzz::AmountInput> input = fuzz::read_amount_input(data, size);
    if (!input || input->is_value) return 0;
    const Separators& separators = input->separators;
    const Conversion conversion(separators);
    require(conversion.zero_euro_text() == "0" + separators.decimal + "00" &&
                conversion.zero_pts_text() == "0",
            "the zero texts", conversion.zero_euro_text(), conversion.zero_pts_text());
    for (const Currency currency : {Currency::euro, Currency::pts}) {
        if (!conversion.amount(currency, input->text)) continue;
        require(conversion.is_beginning(currency, input->text),
                "an amount is the beginning of an amount", input->text);
        if (input->separators_of_a_locale) check_typed(conversion, currency, input->text);
    }
    if (is_numeric(input->text, separators)) {
        check_numeric(conversion, separators, input->text);
    } else {
        check_not_numeric(conversion, separators, input->text);
    }
    return 0;
}
