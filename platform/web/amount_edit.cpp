#include "platform/web/amount_edit.h"

#include <optional>

#include "platform/number_text/number_text.h"

namespace trelumo::web {
namespace {

// The UTF-16 code units the first `characters` characters (code points) of a UTF-8 text take, as
// an input counts its selection.
int utf16_units(std::string_view text, int characters) {
    int units = 0;
    for (std::size_t i = 0; i < text.size() && characters > 0; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;
        units += byte >= 0xF0 ? 2 : 1;
        --characters;
    }
    return units;
}

}  // namespace

void AmountEdit::attach(Element input) {
    input_ = input;
    known_text_ = input.value();
    input.listen("keydown", [this](const Event& event) { return key_down(event); });
    input.listen("beforeinput", [this](const Event& event) {
        if (event.key == "historyUndo") return undo_emptying();
        before_edit_ = selection();
        return false;
    });
    input.listen("input", [this](const Event& event) {
        if (event.composing) return false;
        edited(before_edit_);
        return false;
    });
    input.listen("compositionend", [this](const Event&) {
        edited(before_edit_);
        return false;
    });
    input.listen("paste", [this](const Event& event) {
        paste(event.data);
        return true;
    });
    // A press that brings the focus in leaves the selection GotFocus makes: the release would
    // otherwise put the caret where it was.
    input.listen("mousedown", [this](const Event& event) {
        focused_by_press_ = !input_.has_focus() && event.button == 0;
        return false;
    });
    input.listen("mouseup",
                 [this](const Event&) { return std::exchange(focused_by_press_, false); });
}

AmountEdit::Selection AmountEdit::selection() const {
    return {input_.value(), input_.selection()};
}

void AmountEdit::set_text(std::string_view text) {
    if (text == known_text_) return;
    input_.set_value(text);
    known_text_ = text;
    emptied_.written(known_text_.empty());
    changed();
}

void AmountEdit::set_selection_start(int start) {
    const int units = utf16_units(known_text_, start);
    input_.select({units, units, false});
}

void AmountEdit::set_selection_length(int length) {
    const int start = input_.selection().start;
    // The characters from the start on: the start is at a character's beginning.
    int characters_before = 0;
    for (int units = 0; units < start && characters_before < static_cast<int>(known_text_.size());)
        units = utf16_units(known_text_, ++characters_before);
    const int end = utf16_units(known_text_, characters_before + length);
    input_.select({start, end, false});
}

bool AmountEdit::key_down(const Event& event) {
    if (event.command() && !event.alt && (event.key == "z" || event.key == "Z") && !event.shift)
        return undo_emptying();
    if (event.code == "NumpadDecimal") {
        input_.insert(decimal_separator_);
        return true;
    }
    return false;
}

void AmountEdit::edited(const Selection& before) {
    const std::string now = input_.value();
    if (now == known_text_) return;
    known_text_ = now;
    changed();
    // The browser's undo holds nothing once the program has written the text.
    emptied_.edited(before, before.text.empty(), known_text_.empty(), false);
}

void AmountEdit::paste(std::string_view clipboard) {
    const Selection before = selection();
    if (const std::optional<std::string_view> pasted = pasted_amount_text(clipboard)) {
        before_edit_ = before;
        input_.insert(*pasted);
    } else {
        input_.set_value("");
        edited(before);
    }
}

bool AmountEdit::undo_emptying() {
    const std::optional<Selection> emptied = emptied_.to_bring_back(known_text_.empty());
    if (!emptied) return false;
    const Selection before = *emptied;
    set_text(before.text);
    if (known_text_ == before.text) input_.select(before.range);
    return true;
}

void AmountEdit::changed() {
    if (changed_) changed_();
}

}  // namespace trelumo::web
