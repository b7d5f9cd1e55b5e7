#include "platform/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace trelumo {
namespace {

// On Wayland the compositor places every top-level window where its desktop's rules say: a
// program can neither move its windows nor know where they are.
bool places_its_windows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

void centre_on_screen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen || !places_its_windows()) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void place_beside(QWidget* window, const QWidget* anchor) {
    if (!places_its_windows()) return;
    const QScreen* screen = anchor ? anchor->screen() : nullptr;
    if (!screen) {
        centre_on_screen(window);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect beside = anchor->frameGeometry();
    QRect frame = window->frameGeometry();
    const int top = std::clamp(beside.top(), available.top(),
                               std::max(available.top(), available.bottom() - frame.height()));
    const int room_right = available.right() - beside.right();
    const int room_left = beside.left() - available.left();
    if (room_right >= frame.width()) {
        frame.moveTopLeft({beside.right() + 1, top});
    } else if (room_left >= frame.width()) {
        frame.moveTopRight({beside.left() - 1, top});
    } else if (room_right >=
               room_left) {  // over as little of the other window as the screen allows
        frame.moveTopRight({available.right(), top});
    } else {
        frame.moveTopLeft({available.left(), top});
    }
    window->move(frame.topLeft());
}

}  // namespace trelumo
