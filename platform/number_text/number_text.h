// Amount text in a locale's own separators: the numeric test, the exact amount a text denotes and
// an amount written in a pattern. Independent of the C locale and of any window toolkit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/number_text/amount.h"

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

/// The longest text, in bytes without the blanks around it, that can be numeric: room for the
/// largest double's 309 digits with group separators of up to nine bytes (three UTF-16 units, the
/// most a locale's may have), a sign, a unit and some 500 decimals. Reading a longer text stops at
/// its length, so that no paste, however long, takes time.
inline constexpr std::size_t longest_number_text = 2000;

/// The text without the blanks around it: spaces, tabs, line ends, no-break, narrow no-break,
/// thin and figure spaces (U+00A0, U+202F, U+2009, U+2007) and a byte-order mark (U+FEFF).
std::string_view without_blanks_around(std::string_view text);

/// The text without the invisible marks that text copied from web pages and documents carries,
/// wherever they stand: zero-width space (U+200B), the direction marks (U+200E, U+200F), word
/// joiner (U+2060) and soft hyphen (U+00AD). The text itself when it has none; otherwise a copy,
/// kept in `room`.
std::string_view without_invisible_marks(std::string_view text, std::string& room);

/// The text as an amount text is read: without the blanks around it and its invisible marks, kept
/// in `room` if need be; nothing when it is longer than longest_number_text.
std::optional<std::string_view> amount_text_as_read(std::string_view text, std::string& room);

/// The size in bytes of the sign that a text begins with: "+", or a minus: "-", U+2212 (the minus
/// sign), U+2013 or U+2012 (the en dash and the figure dash); 0 when it begins with none.
std::size_t sign_size(std::string_view text);

/// The exact amount a numeric text denotes; nothing for a text that is not numeric.
///
/// A numeric text has optional blanks around it; an optional sign (see sign_size) and blanks
/// after it; integer digits, grouped or not; the decimal separator with optional blanks after it,
/// then decimals, nothing, or a dash for a whole amount ("5,-", "5,–"); at least one digit; at
/// most longest_number_text bytes; and a value within the range of a double
/// (Amount::fits_in_double). Invisible marks are ignored wherever they stand (see
/// without_invisible_marks).
///
/// A group separator is taken as grouping only between groups of exactly three digits after a
/// first group of one to three that does not begin with 0 ("1.500", "12 345"). Besides the
/// locale's own, the blanks group digits in every locale, and where the locale groups with
/// U+2019 the keyboard's apostrophe does too. Where the locale's decimal separator is not the
/// point, a single point that cannot be grouping is a decimal point ("1.5", "12.50", "0.500"),
/// as typed on keyboards whose point is their decimal key; any other separator out of place
/// makes the text not numeric ("1 2", "1.2.3"). The amount keeps the decimals as written:
/// "12,50" has two.
std::optional<Amount> read_amount(std::string_view text, const Separators& separators);

/// True when the text is numeric (see read_amount).
bool is_numeric(std::string_view text, const Separators& separators);

/// The most decimals a pattern such as "#,##0.00" or "#,##0" writes: the zeros and "#" after its
/// ".".
int pattern_decimals(std::string_view pattern);

/// Writes an amount with a pattern such as "#,##0.00" or "#,##0": "," asks for grouping by
/// thousands, the zeros after "." give the decimals always written, a "#" after them one more
/// written when it is not zero. It writes the amount exactly and never rounds: hand it an amount
/// rounded to the pattern's decimals (Amount::rounded), or it writes every decimal the amount has.
/// Zero carries no minus sign.
std::string format_amount(const Amount& amount, std::string_view pattern,
                          const Separators& separators);

/// What a paste puts into an amount field: the pasted text without the blanks and line ends
/// around it; nothing when even so it is longer than any numeric text can be, so that the field
/// treats it as any other text that is not an amount instead of taking it in.
std::optional<std::string_view> pasted_amount_text(std::string_view clipboard);

}  // namespace trelumo
