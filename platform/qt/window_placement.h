#pragma once

class QWidget;

namespace trelumo {

/// Places a top-level window in the middle of the screen it is on.
void centre_on_screen(QWidget* window);

/// Places a top-level window beside another, to its right where the screen has room, else to its
/// left, top edges level and kept on the screen; in the middle of the screen when there is no
/// other window or room on neither side.
void place_beside(QWidget* window, const QWidget* anchor);

}  // namespace trelumo
