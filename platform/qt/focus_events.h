#pragma once

#include <QObject>

#include "platform/runtime/focus_sequence.h"

class QWidget;

namespace trelumo {

/// Tells a FocusSequence of Qt's focus changes among the watched controls of a window: their
/// GotFocus and LostFocus, in the order and on the moves FocusSequence says.
class FocusEvents : public QObject {
public:
    explicit FocusEvents(QObject* parent = nullptr);

    void watch(QWidget* control, FocusSequence::Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(QWidget* control);

private:
    FocusSequence sequence_;
};

}  // namespace trelumo
