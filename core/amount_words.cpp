#include "core/amount_words.h"

#include "platform/number_text/number_text.h"

namespace trelumo::words {
namespace {

bool is_ascii_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The byte in lower case: ASCII capitals, and after the lead byte C3 the capitals of Latin-1.
char lower(char lead, char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    const auto byte = static_cast<unsigned char>(c);
    if (lead == '\xC3' && byte >= 0x80 && byte <= 0x9E && byte != 0x97)
        return static_cast<char>(byte + 0x20);
    return c;
}

// Whether a letter ends just before pos: an ASCII letter, or one of two bytes led by C3 (é, ó).
bool letter_before(std::string_view text, std::size_t pos) {
    if (pos == 0) return false;
    return is_ascii_letter(text[pos - 1]) || (pos >= 2 && text[pos - 2] == '\xC3');
}

bool letter_at(std::string_view text, std::size_t pos) {
    return pos < text.size() && (is_ascii_letter(text[pos]) || text[pos] == '\xC3');
}

}  // namespace

bool same_letters(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lower(i > 0 ? text[i - 1] : '\0', text[i]) != word[i]) return false;
    }
    return true;
}

bool begins_word(std::string_view letters, std::string_view word) {
    return letters.size() < word.size() && same_letters(letters, word.substr(0, letters.size()));
}

bool is_word(std::string_view word) {
    return is_ascii_letter(word.front());
}

std::string_view letters_at_end(std::string_view text) {
    std::size_t start = text.size();
    while (letter_before(text, start)) start -= is_ascii_letter(text[start - 1]) ? 1 : 2;
    return text.substr(start);
}

std::optional<std::string_view> before_word(std::string_view text, std::string_view word,
                                            Case letter_case) {
    if (text.size() < word.size()) return std::nullopt;
    const std::size_t start = text.size() - word.size();
    const std::string_view end = text.substr(start);
    if (letter_case == Case::exact ? end != word : !same_letters(end, word)) return std::nullopt;
    if (is_word(word) && letter_before(text, start)) return std::nullopt;
    return without_blanks_around(text.substr(0, start));
}

std::optional<std::string_view> after_word(std::string_view text, std::string_view word) {
    if (text.size() < word.size() || !same_letters(text.substr(0, word.size()), word))
        return std::nullopt;
    if (is_word(word) && letter_at(text, word.size())) return std::nullopt;
    return text.substr(word.size());
}

}  // namespace trelumo::words
