#include "platform/qt/amount_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

AmountEdit::AmountEdit(QWidget* parent) : QLineEdit(parent) {}

void AmountEdit::set_decimal_separator(const QString& separator) {
    decimal_separator_ = separator;
}

void AmountEdit::keyPressEvent(QKeyEvent* event) {
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
    QLineEdit::focusInEvent(event);
}

void AmountEdit::mousePressEvent(QMouseEvent* event) {
    if (focused_by_click_ && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void AmountEdit::mouseMoveEvent(QMouseEvent* event) {
    if (focused_by_click_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void AmountEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (focused_by_click_) {
        focused_by_click_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
