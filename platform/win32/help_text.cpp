#include "platform/win32/help_text.h"

#include <charconv>

namespace trelumo {
namespace {

void append_code_point(std::string& text, unsigned long point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return result;
}

// Builds the text line by line: blanks collapse, block elements start new lines.
class TextBuilder {
public:
    void word_break() { blank_ = !line_.empty(); }

    void character(char c) {
        if (blank_) line_ += ' ';
        blank_ = false;
        line_ += c;
    }

    void characters(std::string_view text) {
        for (char c : text) character(c);
    }

    void end_line() {
        if (!line_.empty()) text_ += line_ + "\r\n";
        line_.clear();
        blank_ = false;
    }

    void empty_line() {
        end_line();
        if (!text_.empty() && !text_.ends_with("\r\n\r\n")) text_ += "\r\n";
    }

    // A table cell after the first of its row starts at a tab.
    void cell() {
        blank_ = false;
        if (!line_.empty()) line_ += '\t';
    }

    std::string finish() {
        end_line();
        while (text_.ends_with("\r\n")) text_.resize(text_.size() - 2);
        return text_;
    }

private:
    std::string text_;
    std::string line_;
    bool blank_ = false;
};

struct Lists {
    bool ordered[16] = {};
    int number[16] = {};
    int depth = 0;
};

void element(TextBuilder& out, Lists& lists, const std::string& tag) {
    const bool closing = tag.starts_with('/');
    const std::string name = closing ? tag.substr(1) : tag;
    if (name == "h1" || name == "h2" || name == "h3" || name == "p" || name == "table") {
        out.empty_line();
    } else if (name == "br" || name == "tr" || name == "div") {
        out.end_line();
    } else if (name == "ol" || name == "ul") {
        out.end_line();
        if (!closing && lists.depth < 15) {
            ++lists.depth;
            lists.ordered[lists.depth] = name == "ol";
            lists.number[lists.depth] = 0;
        } else if (closing && lists.depth > 0) {
            --lists.depth;
        }
    } else if (name == "li" && !closing) {
        out.end_line();
        out.characters("   ");
        if (lists.ordered[lists.depth]) {
            out.characters(std::to_string(++lists.number[lists.depth]) + ".");
        } else {
            out.characters("\xE2\x80\xA2");  // a bullet
        }
        out.word_break();
    } else if (name == "td" && !closing) {
        out.cell();
    }
}

}  // namespace

std::string text_of_html(std::string_view html) {
    const std::string lowered = lower(html);
    if (const auto body = lowered.find("<body"); body != std::string::npos) {
        html.remove_prefix(body);
    }
    TextBuilder out;
    Lists lists;
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            std::string tag = lower(html.substr(i + 1, end - i - 1));
            tag = tag.substr(0, tag.find_first_of(" \t\r\n/", tag.starts_with('/') ? 1 : 0));
            element(out, lists, tag);
            i = end + 1;
        } else if (c == '&') {
            const std::size_t end = html.find(';', i);
            const std::string entity =
                end == std::string_view::npos ? "" : std::string(html.substr(i + 1, end - i - 1));
            static const std::pair<const char*, const char*> named[] = {
                {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"nbsp", "\xC2\xA0"}};
            bool known = false;
            for (const auto& [name, text] : named) {
                if (entity == name) {
                    out.characters(text);
                    known = true;
                }
            }
            if (!known && entity.size() > 1 && entity[0] == '#') {
                const bool hex = entity[1] == 'x' || entity[1] == 'X';
                const std::string_view digits = std::string_view(entity).substr(hex ? 2 : 1);
                unsigned long point = 0;
                const auto [end_of_number, error] = std::from_chars(
                    digits.data(), digits.data() + digits.size(), point, hex ? 16 : 10);
                if (error == std::errc() && end_of_number == digits.data() + digits.size() &&
                    point > 0 && point <= 0x10FFFF) {
                    std::string character;
                    append_code_point(character, point);
                    out.characters(character);
                    known = true;
                }
            }
            if (!known) {
                out.character('&');
                ++i;
                continue;
            }
            i = end + 1;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            out.word_break();
            ++i;
        } else {
            out.character(c);
            ++i;
        }
    }
    return out.finish();
}

}  // namespace trelumo
