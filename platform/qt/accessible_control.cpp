#include "platform/qt/accessible_control.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace trelumo {
namespace {

class AnnouncedLabelAccessible : public QAccessibleWidget {
public:
    explicit AnnouncedLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    // The sentence alone: its tooltip, read after it, would only say that it is a result.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        if (t == QAccessible::Description) return {};
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessible_for(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("trelumo::AnnouncedLabel")) return nullptr;
    return new AnnouncedLabelAccessible(static_cast<QWidget*>(object));
}

}  // namespace

AnnouncedLabel::AnnouncedLabel(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool factory_installed = [] {
        QAccessible::installFactory(accessible_for);
        return true;
    }();
}

void AnnouncedLabel::state(const QString& text) {
    setText(text);
    if (!QAccessible::isActive() || !isVisible()) return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace trelumo
