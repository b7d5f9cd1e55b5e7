#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/edit_history.h"
#include "platform/web/dom.h"

namespace trelumo::web {

/// A single-line amount field on an <input> of the page.
///
/// - Its Change is raised when the user changes the text (typing, a paste, a cut, a drop) and
///   when the program writes a different text, synchronously; never for the same text again, and
///   not while an input method is still composing a word (once, when it has).
/// - The keypad's decimal key types the locale's decimal separator.
/// - A click or a tap that brings the focus into the field keeps the selection its GotFocus made.
/// - The selection (or the caret) survives a trip of the focus away and back that does not bring
///   it to another field: the browser keeps it, and the window gives the focus back.
/// - A paste puts in the clipboard's text without the blanks and line ends around it; a text
///   longer than any amount can be empties the field at once, as any other text that is no amount
///   does, and is never cut into a number.
/// - ctrl+z (on a Mac cmd+z, or the browser's own Undo) goes back one change at a time, the
///   program's emptyings included, until the field is as the program last wrote it (EditHistory);
///   ctrl+y or ctrl+shift+z goes forward again. The browser's own undo, which loses its way once
///   the program has written the text, is never used.
class AmountEdit {
public:
    AmountEdit() = default;
    AmountEdit(const AmountEdit&) = delete;
    AmountEdit& operator=(const AmountEdit&) = delete;

    void attach(Element input);
    Element element() const { return input_; }

    void set_decimal_separator(std::string_view separator) { decimal_separator_ = separator; }
    void on_change(std::function<void()> handler) { changed_ = std::move(handler); }

    std::string text() const { return known_text_; }
    /// Writes the text from code; the Change it raises has run when this returns. Its undo
    /// history begins there, even when the text is the same.
    void set_text(std::string_view text);
    /// Selection start and length count characters (code points).
    void set_selection_start(int start);
    void set_selection_length(int length);

private:
    struct Selection {
        std::string text;
        Element::Selection range;
    };
    Selection selection() const;
    bool key_down(const Event& event);
    /// The user's change is in the field: its Change runs, and whatever the program writes while
    /// it does is part of the same edit.
    void edited(const Selection& before);
    void replace_selection(std::string_view text);
    void undo_or_redo(bool undo);
    void text_changed();

    Element input_;
    std::string known_text_;
    std::string decimal_separator_ = ",";
    bool focused_by_press_ = false;
    std::optional<Selection> before_edit_;  // as the browser's edit under way began
    EditHistory<Selection> history_;
    std::function<void()> changed_;
};

}  // namespace trelumo::web
