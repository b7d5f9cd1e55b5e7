#include "platform/web/amount_edit.h"

#include <optional>
#include <utility>

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

bool is_key(const Event& event, char letter) {
    return event.key.size() == 1 && (event.key[0] | 0x20) == letter;
}

}  // namespace

void AmountEdit::attach(Element input) {
    input_ = input;
    known_text_ = input.value();
    input.listen("keydown", [this](const Event& event) { return key_down(event); });
    input.listen("beforeinput", [this](const Event& event) {
        if (event.key == "historyUndo" || event.key == "historyRedo") {
            undo_or_redo(event.key == "historyUndo");
            return true;
        }
        if (!before_edit_) before_edit_ = selection();
        return false;
    });
    input.listen("input", [this](const Event& event) {
        if (event.composing || !before_edit_) return false;
        edited(*std::exchange(before_edit_, std::nullopt));
        return false;
    });
    input.listen("compositionend", [this](const Event&) {
        if (before_edit_) edited(*std::exchange(before_edit_, std::nullopt));
        return false;
    });
    input.listen("paste", [this](const Event& event) {
        const Selection before = selection();
        if (const std::optional<std::string_view> pasted = pasted_amount_text(event.data)) {
            replace_selection(*pasted);
        } else {
            input_.set_value("");
        }
        edited(before);
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
    history_.written();
    if (text == known_text_) return;
    input_.set_value(text);
    text_changed();
}

void AmountEdit::set_selection_start(int start) {
    const int units = utf16_units(known_text_, start);
    input_.select({units, units, false});
}

void AmountEdit::set_selection_length(int length) {
    const int start = input_.selection().start;
    // The characters before the start, which is at a character's beginning.
    int characters_before = 0;
    while (utf16_units(known_text_, characters_before) < start &&
           characters_before < static_cast<int>(known_text_.size()))
        ++characters_before;
    const int end = utf16_units(known_text_, characters_before + length);
    input_.select({start, end, false});
}

bool AmountEdit::key_down(const Event& event) {
    if (event.command() && !event.alt && (is_key(event, 'z') || is_key(event, 'y'))) {
        undo_or_redo(is_key(event, 'z') && !event.shift);
        return true;
    }
    if (event.code == "NumpadDecimal") {
        const Selection before = selection();
        replace_selection(decimal_separator_);
        edited(before);
        return true;
    }
    return false;
}

void AmountEdit::replace_selection(std::string_view text) {
    input_.replace_selection(text);
}

void AmountEdit::edited(const Selection& before) {
    history_.edit(
        before, [this] { text_changed(); }, [this] { return selection(); });
}

void AmountEdit::undo_or_redo(bool undo) {
    history_.step(
        undo, [this] { return selection(); },
        [this](const std::string& text) {
            input_.set_value(text);
            text_changed();
        },
        [this](const Selection& back) { input_.select(back.range); });
}

// The text in the field now, told as a Change when it differs from the one known.
void AmountEdit::text_changed() {
    std::string now = input_.value();
    if (now == known_text_) return;
    known_text_ = std::move(now);
    if (changed_) changed_();
}

}  // namespace trelumo::web
