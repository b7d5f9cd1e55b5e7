#pragma once

#include <functional>

namespace trelumo::runtime {

/// A program-wide instance of a window class (each toolkit names its own as trelumo::Form<W>).
/// Showing it loads the window when it is not loaded, running its Form_Load, and brings it to the
/// front when it is; unloading (or the window's close control) destroys the window, not the
/// instance, so the next show loads it afresh.
///
/// `Windows` is the toolkit's side, three static functions:
/// - `Window* make<Window>(std::function<void()> gone)` makes the window, hidden. The toolkit
///   MUST call `gone` once the window is destroyed, however that happens, and MUST free the
///   window itself.
/// - `show(Window&)` MUST show the window, bring it to the front and activate it.
/// - `destroy(Window&)` MUST destroy the window, as its close control would.
template <class Window, class Windows>
class Form {
public:
    /// The one instance, created on first use.
    static Form& instance() {
        static Form form;
        return form;
    }

    void show() {
        if (!window_) {
            window_ = Windows::template make<Window>([this] { window_ = nullptr; });
            window_->Form_Load();
        }
        Windows::show(*window_);
    }

    void unload() {
        if (window_) Windows::destroy(*window_);
    }

    bool loaded() const { return window_ != nullptr; }

    /// The loaded window, or null.
    Window* window() const { return window_; }

private:
    Form() = default;

    Window* window_ = nullptr;
};

}  // namespace trelumo::runtime
