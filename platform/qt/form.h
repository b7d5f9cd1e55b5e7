#pragma once

#include <QPointer>
#include <QWidget>

namespace trelumo {

/// A program-wide instance of a window class. Showing it loads the window when it is not loaded,
/// running its Form_Load, and brings it to the front when it is; unloading (or the window's close
/// control) destroys the window, not the instance, so the next show loads it afresh.
template <class Window>
class Form {
public:
    /// The one instance, created on first use.
    static Form& instance() {
        static Form form;
        return form;
    }

    void show() {
        if (!window_) {
            window_ = new Window;
            window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->Form_Load();
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    void unload() {
        if (window_) window_->close();
    }

    bool loaded() const { return !window_.isNull(); }

    /// The loaded window, or null.
    Window* window() const { return window_.data(); }

private:
    Form() = default;

    QPointer<Window> window_;
};

}  // namespace trelumo
