#include "platform/qt/focus_events.h"

#include <QApplication>
#include <QWidget>

#include "platform/qt/event_dispatch.h"

namespace trelumo {

FocusEvents::FocusEvents(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focus_changed(now); });
}

void FocusEvents::watch(QWidget* control, Handlers handlers) {
    handlers_.insert(control, std::move(handlers));
    connect(control, &QObject::destroyed, this, [this, control] { handlers_.remove(control); });
}

void FocusEvents::start_in(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    if (current_ == control) return;
    current_ = control;
    event_dispatch::run(handlers_.value(control).got_focus);
}

void FocusEvents::focus_changed(QWidget* now) {
    if (!handlers_.contains(now) || now == current_) return;
    QWidget* old = current_;
    current_ = now;
    if (old) event_dispatch::run(handlers_.value(old).lost_focus);
    event_dispatch::run(handlers_.value(now).got_focus);
}

}  // namespace trelumo
