#include "platform/qt/amount_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/number_text/number_text.h"
#include "platform/qt/qt_text.h"

namespace trelumo {
namespace {

bool is_undo_or_redo(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

// The events by which the user edits the text.
bool is_edit(const QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return !is_undo_or_redo(event);
        case QEvent::MouseButtonRelease:
        case QEvent::Drop:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
    }
}

}  // namespace

AmountEdit::AmountEdit(QWidget* parent) : QLineEdit(parent) {
    setFocusPolicy(Qt::TabFocus);  // a click's focus is given by the mouse handlers below
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { history_.written(); });
}

void AmountEdit::set_decimal_separator(const QString& separator) {
    decimal_separator_ = separator;
}

void AmountEdit::set_text(const QString& text) {
    history_.written();
    setText(text);
}

AmountEdit::Selection AmountEdit::selection() const {
    if (!hasSelectedText()) return {text(), cursorPosition(), cursorPosition()};
    const int start = selectionStart();
    const int end = selectionEnd();
    return cursorPosition() == start ? Selection{text(), end, start}
                                     : Selection{text(), start, end};
}

void AmountEdit::restore(const Selection& kept) {
    setSelection(kept.anchor, kept.cursor - kept.anchor);
}

bool AmountEdit::event(QEvent* event) {
    if (!is_edit(event)) return QLineEdit::event(event);
    bool handled = false;
    edit([&] { handled = QLineEdit::event(event); });
    return handled;
}

// Runs a change the user makes, and whatever the program writes while it is handled, as one edit.
void AmountEdit::edit(const std::function<void()>& change) {
    history_.edit(selection(), change, [this] { return selection(); });
}

void AmountEdit::undo_or_redo(bool undo) {
    if (isReadOnly()) return;
    history_.step(
        undo, [this] { return selection(); }, [this](const QString& text) { setText(text); },
        [this](const Selection& back) { restore(back); });
}

void AmountEdit::keyPressEvent(QKeyEvent* event) {
    if (is_undo_or_redo(event)) {
        undo_or_redo(event->matches(QKeySequence::Undo));
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste_from(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const bool keypad_decimal = (event->modifiers() & Qt::KeypadModifier) &&
                                (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
    if (keypad_decimal && !isReadOnly()) {
        insert(decimal_separator_);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AmountEdit::focusInEvent(QFocusEvent* event) {
    focused_by_click_ = event->reason() == Qt::MouseFocusReason;
    focus_on_release_ = false;
    QLineEdit::focusInEvent(event);
    // A move between the fields selects anew in GotFocus, which runs after this.
    if (kept_ && kept_->text == text()) restore(*kept_);
    kept_.reset();
}

void AmountEdit::focusOutEvent(QFocusEvent* event) {
    kept_ = selection();
    QLineEdit::focusOutEvent(event);
}

void AmountEdit::mousePressEvent(QMouseEvent* event) {
    if (!hasFocus()) {
        if (event->button() == Qt::LeftButton) {
            focus_on_release_ = true;
            event->accept();
            return;
        }
        setFocus(Qt::MouseFocusReason);
    }
    const bool primary_paste =
        event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection();
    if (primary_paste || (focused_by_click_ && event->button() == Qt::LeftButton)) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void AmountEdit::mouseMoveEvent(QMouseEvent* event) {
    if (focused_by_click_ || focus_on_release_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void AmountEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (focus_on_release_ && event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        focused_by_click_ = false;  // this release ends the click that brought the focus
        event->accept();
        return;
    }
    const bool primary_paste =
        event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection();
    if (primary_paste) {
        focused_by_click_ = false;
        paste_from(QClipboard::Selection);
        event->accept();
        return;
    }
    if (focused_by_click_) {
        focused_by_click_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void AmountEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const auto command = [&](const char* name, const std::function<void()>& run) {
        if (auto* action = menu->findChild<QAction*>(QString::fromLatin1(name))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, run);
            return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    if (QAction* undo = command("edit-undo", [this] { undo_or_redo(true); }))
        undo->setEnabled(!isReadOnly() && history_.can_undo());
    if (QAction* redo = command("edit-redo", [this] { undo_or_redo(false); }))
        redo->setEnabled(!isReadOnly() && history_.can_redo());
    command("edit-cut", [this] { edit([this] { cut(); }); });
    command("edit-paste", [this] { paste_from(QClipboard::Clipboard); });
    command("edit-delete", [this] { edit([this] { del(); }); });
    menu->exec(event->globalPos());
}

void AmountEdit::paste_from(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QByteArray clipboard = QGuiApplication::clipboard()->text(mode).toUtf8();
    const std::optional<std::string_view> pasted = trelumo::pasted_amount_text(
        std::string_view(clipboard.constData(), static_cast<std::size_t>(clipboard.size())));
    edit([&] {
        if (pasted) {
            insert(qt_text(*pasted));
        } else {
            setText(QString());
        }
    });
}

}  // namespace trelumo
