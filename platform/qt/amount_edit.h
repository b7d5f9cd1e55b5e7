#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>

#include "platform/runtime/edit_history.h"

namespace trelumo {

/// A single-line amount field.
///
/// - The keypad's decimal key types the locale's decimal separator.
/// - A click that brings the focus into the field keeps the selection its GotFocus made.
/// - A left click brings the focus in as the button comes up, not as it goes down: a screen reader
///   told of the press before the field has the focus takes the press for what it is, and says the
///   field's name and hint when the focus comes. Told of a press on a field focused already, Orca
///   takes the field as the focus without a word, and says nothing of it when its focus event
///   follows. Other buttons bring the focus in as they go down, as a line edit's do.
/// - The selection (or the caret) survives a trip of the focus away and back that does not bring
///   it to another field: the menu bar, a menu command, another window or program. The line edit
///   would otherwise drop it when the menu bar takes the focus, and the next keystroke would be
///   added to the amount instead of replacing it.
/// - A middle-click paste (the X11 primary selection) replaces the selected text, as typing would,
///   also when the click brings the focus into the field.
/// - A paste (ctrl+v, shift+insert, the context menu, a middle click) puts in the clipboard's text
///   without the blanks and line ends around it; a text longer than any amount can be empties the
///   field at once, as any other text that is no amount does, and is never cut into a number.
/// - ctrl+z goes back one change at a time, the program's emptyings included, until the field is
///   as the program last wrote it (EditHistory); the redo goes forward again. The context menu's
///   commands are edits, undone as the keys' are.
class AmountEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AmountEdit(QWidget* parent = nullptr);

    void set_decimal_separator(const QString& separator);
    /// Writes the text from code: its undo history begins there, even when the text is the same.
    void set_text(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Selection {
        QString text;
        int anchor = 0;
        int cursor = 0;
    };
    Selection selection() const;
    void restore(const Selection& selection);
    void edit(const std::function<void()>& change);
    void undo_or_redo(bool undo);
    void paste_from(QClipboard::Mode mode);

    QString decimal_separator_ = QStringLiteral(",");
    bool focused_by_click_ = false;
    bool focus_on_release_ = false;  // a left button went down on the field without the focus
    std::optional<Selection> kept_;  // as the focus left
    EditHistory<Selection> history_;
};

}  // namespace trelumo
