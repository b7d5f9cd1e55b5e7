#pragma once

#include <functional>

#include "platform/runtime/form.h"
#include "platform/web/window.h"

namespace trelumo::web {

/// The page's side of a Form: the window object is deleted once its window has left the page.
struct WebWindows {
    template <class Window>
    static Window* make(std::function<void()> gone) {
        auto* window = new Window;
        window->on_destroyed(std::move(gone));
        return window;
    }

    static void show(Window& window) { window.show(); }
    static void destroy(Window& window) { window.destroy(); }
};

template <class W>
using Form = runtime::Form<W, WebWindows>;

}  // namespace trelumo::web
