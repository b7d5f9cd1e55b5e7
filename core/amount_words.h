// Words in an amount text (units, number words): matched in any case, the capitals of accented
// letters included, and only as words of their own, never glued to another letter.
#pragma once

#include <optional>
#include <string_view>

namespace trelumo::words {

/// Whether the text is the word, given in lower case, in any case: "MILLÓN" is "millón".
bool same_letters(std::string_view text, std::string_view word);

/// Whether the letters, in any case, begin the word, given in lower case, and more letters
/// finish it: "Eu" begins "euros", "euros" does not.
bool begins_word(std::string_view letters, std::string_view word);

/// Whether the word begins with a letter, as a unit's symbol does not.
bool is_word(std::string_view word);

/// The letters the text ends with: "eu" of "5 eu".
std::string_view letters_at_end(std::string_view text);

enum class Case { any, exact };

/// The text before the word when the text ends with it, no letter glued before it, without the
/// blanks between: "2" of "2 millones".
std::optional<std::string_view> before_word(std::string_view text, std::string_view word,
                                            Case letter_case = Case::any);

/// The text after the word when the text begins with it, no letter glued after it: ".100" of
/// "Pts.100".
std::optional<std::string_view> after_word(std::string_view text, std::string_view word);

}  // namespace trelumo::words
