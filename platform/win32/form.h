#pragma once

#include <functional>

#include "platform/runtime/form.h"
#include "platform/win32/window.h"

namespace trelumo {

/// The Windows API's side of a Form: the window object is deleted once its window is destroyed.
struct Win32Windows {
    template <class Window>
    static Window* make(std::function<void()> gone) {
        auto* window = new Window;
        window->on_destroyed([window, gone = std::move(gone)] {
            gone();
            delete window;
        });
        return window;
    }

    static void show(Window& window) { window.show(); }
    static void destroy(Window& window) { DestroyWindow(window.hwnd()); }
};

template <class W>
using Form = runtime::Form<W, Win32Windows>;

}  // namespace trelumo
