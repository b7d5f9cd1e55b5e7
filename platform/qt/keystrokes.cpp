#include "platform/qt/keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace trelumo {

bool send_keys(const QString& keys, QWidget* fallback) {
    if (keys.compare(QStringLiteral("{F1}"), Qt::CaseInsensitive) != 0) return false;
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) target = fallback;
    if (!target) return false;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    return true;
}

}  // namespace trelumo
