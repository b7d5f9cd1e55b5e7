#pragma once

class QWidget;

namespace trelumo {

// Both leave the window where it is on Wayland, whose compositor places top-level windows itself.

/// Places a top-level window in the middle of the screen it is on.
void centre_on_screen(QWidget* window);

/// Places a top-level window beside another, to its right where the screen has room, else to its
/// left, top edges level; with room on neither side, against the screen's edge on the side with
/// more room, covering as little of the other as it can. Centred when there is no other window.
void place_beside(QWidget* window, const QWidget* anchor);

}  // namespace trelumo
