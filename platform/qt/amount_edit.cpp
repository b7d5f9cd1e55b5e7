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
#include <utility>

#include "platform/number_text/number_text.h"

namespace trelumo {
namespace {

// The events by which the user edits the text.
bool is_edit(const QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
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
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!editing_) emptied_.written(text.isEmpty());
    });
}

void AmountEdit::set_decimal_separator(const QString& separator) {
    decimal_separator_ = separator;
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
    const Selection before = selection();
    const bool undo = event->type() == QEvent::KeyPress &&
                      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo);
    const bool nested = std::exchange(editing_, true);
    const bool handled = QLineEdit::event(event);
    editing_ = nested;
    if (!undo) remember_emptying(before);
    return handled;
}

void AmountEdit::keyPressEvent(QKeyEvent* event) {
    const std::optional<Selection> emptied = emptied_.to_bring_back(text().isEmpty());
    if (event->matches(QKeySequence::Undo) && emptied && !isReadOnly()) {
        const Selection before = *emptied;
        setText(before.text);
        if (text() == before.text) restore(before);
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
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { paste_from(QClipboard::Clipboard); });
    }
    menu->exec(event->globalPos());
}

void AmountEdit::paste_from(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QByteArray clipboard = QGuiApplication::clipboard()->text(mode).toUtf8();
    const std::optional<std::string_view> pasted = trelumo::pasted_amount_text(
        std::string_view(clipboard.constData(), static_cast<std::size_t>(clipboard.size())));
    const Selection before = selection();
    const bool nested = std::exchange(editing_, true);
    if (pasted) {
        insert(QString::fromUtf8(pasted->data(), static_cast<qsizetype>(pasted->size())));
    } else {
        setText(QString());
    }
    editing_ = nested;
    remember_emptying(before);
}

// An undo empties the text only at the start of the line edit's undo history.
void AmountEdit::remember_emptying(const Selection& before) {
    emptied_.edited(before, before.text.isEmpty(), text().isEmpty(), isUndoAvailable());
}

}  // namespace trelumo
