#include "platform/qt/focus_events.h"

#include <QApplication>
#include <QWidget>

namespace trelumo {

FocusEvents::FocusEvents(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { sequence_.focus_entered(now); });
}

void FocusEvents::watch(QWidget* control, FocusSequence::Handlers handlers) {
    sequence_.watch(control, std::move(handlers));
    connect(control, &QObject::destroyed, this, [this, control] { sequence_.forget(control); });
}

void FocusEvents::start_in(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    sequence_.start_in(control);
}

}  // namespace trelumo
