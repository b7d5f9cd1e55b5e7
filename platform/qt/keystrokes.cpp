#include "platform/qt/keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QWidget>
#include <optional>

namespace trelumo {
namespace {

std::optional<Qt::Key> key_named(const QString& name) {
    static const QHash<QString, Qt::Key> named{{QStringLiteral("ENTER"), Qt::Key_Return},
                                               {QStringLiteral("ESC"), Qt::Key_Escape},
                                               {QStringLiteral("TAB"), Qt::Key_Tab}};
    const QString upper = name.toUpper();
    if (auto it = named.find(upper); it != named.end()) return *it;
    static const QRegularExpression function_key(QStringLiteral("^F([1-9]|1[0-2])$"));
    if (auto match = function_key.match(upper); match.hasMatch())
        return Qt::Key(Qt::Key_F1 + match.captured(1).toInt() - 1);
    return std::nullopt;
}

}  // namespace

bool send_keys(const QString& keys, QWidget* fallback) {
    static const QRegularExpression braced(QStringLiteral("^\\{([^}]+)\\}$"));
    const auto match = braced.match(keys);
    if (!match.hasMatch()) return false;
    const auto key = key_named(match.captured(1));
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) target = fallback;
    if (!key || !target) return false;
    QKeyEvent press(QEvent::KeyPress, *key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, *key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    return true;
}

}  // namespace trelumo
