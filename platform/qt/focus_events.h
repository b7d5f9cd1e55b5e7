#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "platform/runtime/focus_sequence.h"

class QWidget;

namespace trelumo {

/// Tells a FocusSequence of Qt's focus changes among the watched controls of a window: their
/// GotFocus and LostFocus, in the order and on the moves FocusSequence says.
///
/// They run once Qt has finished the focus change, screen readers told, and before any input
/// that follows it: a reader told of a control's new text and selection before its focus takes
/// the control for focused already, and never says its name.
class FocusEvents : public QObject {
public:
    explicit FocusEvents(QObject* parent = nullptr);

    void watch(QWidget* control, FocusSequence::Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run_focus_changes();

    FocusSequence sequence_;
    std::vector<QPointer<QWidget>> focus_changes_;  // whose events are yet to run
};

}  // namespace trelumo
