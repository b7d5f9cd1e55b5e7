#include "platform/qt/focus_events.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace trelumo {

namespace {

bool is_input(const QEvent* event) {
    return event->isInputEvent() || event->type() == QEvent::InputMethod ||
           event->type() == QEvent::Drop;
}

}  // namespace

FocusEvents::FocusEvents(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        focus_changes_.emplace_back(now);
        QMetaObject::invokeMethod(this, &FocusEvents::run_focus_changes, Qt::QueuedConnection);
    });
    qApp->installEventFilter(this);
}

void FocusEvents::watch(QWidget* control, FocusSequence::Handlers handlers) {
    sequence_.watch(control, std::move(handlers));
    connect(control, &QObject::destroyed, this, [this, control] { sequence_.forget(control); });
}

void FocusEvents::start_in(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    run_focus_changes();
    sequence_.start_in(control);
}

bool FocusEvents::eventFilter(QObject*, QEvent* event) {
    if (!focus_changes_.empty() && is_input(event)) run_focus_changes();
    return false;
}

void FocusEvents::run_focus_changes() {
    for (const QPointer<QWidget>& now : std::exchange(focus_changes_, {}))
        sequence_.focus_entered(now.data());
}

}  // namespace trelumo
