#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/edit_history.h"

namespace trelumo {

/// A single-line amount field on a Windows edit control.
///
/// - Its Change is raised only when the text really changes: the edit control notifies every
///   write, even of the text it already holds, so the field compares.
/// - The keypad's decimal key types the locale's decimal separator.
/// - A click that brings the focus into the field keeps the selection its GotFocus made.
/// - The selection (or the caret) survives a trip of the focus away and back that does not bring
///   it to another field: the menu bar, a menu command, another window or program. The edit
///   control keeps it, and the window gives the focus back to the control that had it (Window).
/// - A paste puts in the clipboard's whole text without the blanks and line ends around it (the
///   edit control would keep only its first line); a text longer than any amount can be empties
///   the field at once, as any other text that is no amount does: the edit control never holds
///   it, so that it neither cuts it into a number nor slows with its length.
/// - ctrl+z (and alt+backspace, and the context menu's Undo) goes back one change at a time, the
///   program's emptyings included, until the field is as the program last wrote it
///   (EditHistory); ctrl+y or ctrl+shift+z goes forward again. The edit control's own undo, which
///   holds one change and forgets it when the program writes the text, is never used.
class AmountEdit {
public:
    AmountEdit() = default;
    AmountEdit(const AmountEdit&) = delete;
    AmountEdit& operator=(const AmountEdit&) = delete;
    ~AmountEdit();

    void attach(HWND edit);
    HWND hwnd() const { return edit_; }

    void set_decimal_separator(std::string_view separator);
    void on_change(std::function<void()> handler) { changed_ = std::move(handler); }

    /// To be called by the parent window with each notification (WM_COMMAND) from the control.
    void notified(WORD code);

    std::string text() const;
    /// Writes the text; the Change it raises has run when this returns. Its undo history begins
    /// there, even when the text is the same.
    void set_text(std::string_view text);
    /// Selection start and length count characters (code points).
    void set_selection_start(int start);
    void set_selection_length(int length);

private:
    struct Selection {
        std::wstring text;
        DWORD start = 0;
        DWORD end = 0;
    };
    Selection selection() const;
    void undo_or_redo(bool undo);
    void paste();

    static LRESULT CALLBACK control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR id, DWORD_PTR self);
    LRESULT handle(HWND control, UINT message, WPARAM w, LPARAM l);
    std::wstring wide_text() const;

    HWND edit_ = nullptr;
    std::wstring known_text_;
    std::wstring decimal_separator_ = L",";
    bool drop_next_character_ = false;
    EditHistory<Selection> history_;
    std::function<void()> changed_;
};

}  // namespace trelumo
