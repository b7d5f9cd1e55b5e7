#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace trelumo {

/// Raises a control's LostFocus and GotFocus when the focus moves from one watched control of a
/// window to another (Tab, Shift+Tab, a click), the old control's first. Leaving for another
/// window or program, the menu bar or a context menu and coming back to the same control is no
/// move and raises nothing.
class FocusEvents : public QObject {
public:
    struct Handlers {
        std::function<void()> got_focus;
        std::function<void()> lost_focus;
    };

    explicit FocusEvents(QObject* parent = nullptr);

    void watch(QWidget* control, Handlers handlers);

    /// Gives the focus to a control and raises its GotFocus now, as when a window first shows.
    void start_in(QWidget* control);

private:
    void focus_changed(QWidget* now);

    QHash<QWidget*, Handlers> handlers_;
    QPointer<QWidget> current_;
};

}  // namespace trelumo
