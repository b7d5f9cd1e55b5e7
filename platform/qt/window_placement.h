#pragma once

class QWidget;

namespace trelumo {

/// Places a top-level window in the middle of the screen it is on.
void centre_on_screen(QWidget* window);

}  // namespace trelumo
