#pragma once

#include <windows.h>

#include <memory>

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
            window_ = std::make_unique<Window>();
            window_->on_destroyed([this] { window_.reset(); });
            window_->Form_Load();
        }
        window_->show();
    }

    void unload() {
        if (window_) DestroyWindow(window_->hwnd());
    }

    bool loaded() const { return window_ != nullptr; }

    /// The loaded window, or null.
    Window* window() const { return window_.get(); }

private:
    Form() = default;

    std::unique_ptr<Window> window_;
};

}  // namespace trelumo
