#pragma once

#include <QWidget>
#include <functional>

#include "platform/runtime/form.h"

namespace trelumo {

/// Qt's side of a Form: a window deletes itself once closed.
struct QtWindows {
    template <class Window>
    static Window* make(std::function<void()> gone) {
        auto* window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &QObject::destroyed, std::move(gone));
        return window;
    }

    static void show(QWidget& window) {
        window.show();
        window.raise();
        window.activateWindow();
    }

    static void destroy(QWidget& window) { window.close(); }
};

template <class Window>
using Form = runtime::Form<Window, QtWindows>;

}  // namespace trelumo
