#include "platform/qt/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace trelumo {

void centre_on_screen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace trelumo
