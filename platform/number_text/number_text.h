// Amount text in a locale's own separators: the numeric test, text to double and pattern
// formatting. Independent of the C locale and of any window toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelumo {

/// The two separators of a locale, each a UTF-8 string of one or more bytes.
struct Separators {
    std::string decimal = ",";
    std::string group = ".";
};

/// Spanish (Spain): 1.234,50.
inline Separators spanish_separators() {
    return {",", "."};
}

/// The text without the blanks around it: spaces, tabs, newlines, carriage returns, no-break
/// spaces (U+00A0) and narrow no-break spaces (U+202F).
std::string_view without_blanks_around(std::string_view text);

/// True when the whole text reads as a number: optional blanks around it, an optional leading
/// sign, digits with group separators anywhere among the integer digits, an optional decimal
/// separator followed by digits or nothing, at least one digit, and a value within the range of
/// a double. Besides the locale's own group separator, a space, a no-break space and a narrow
/// no-break space group digits in every locale, and where the locale groups with U+2019 the
/// keyboard's apostrophe does too: no keyboard types the locale's own.
bool is_numeric(std::string_view text, const Separators& separators);

/// True when the text is only the beginning of a numeric text, as typed from the left: an
/// optional sign, then optionally the decimal separator, and not nothing ("-", "+", ",", "-,").
/// Such a text is not numeric.
bool is_number_beginning(std::string_view text, const Separators& separators);

/// The correctly rounded double that a numeric text denotes; nothing for a text that is not
/// numeric.
std::optional<double> parse_number(std::string_view text, const Separators& separators);

/// Formats a value with a pattern such as "#,##0.00" or "#,##0": "," asks for grouping by
/// thousands, the zeros after "." give the number of decimals. Rounding is half away from zero,
/// decided on the value's shortest round-trip decimal form. A value that rounds to zero carries
/// no minus sign. Non-finite values are written as "inf", "-inf" or "nan".
std::string format_number(double value, std::string_view pattern, const Separators& separators);

/// The same for a 16-bit integer.
std::string format_number(std::int16_t value, std::string_view pattern,
                          const Separators& separators);

/// Formats a text that holds a number as that number; any other text comes back unchanged.
std::string format_text(std::string_view text, std::string_view pattern,
                        const Separators& separators);

}  // namespace trelumo
