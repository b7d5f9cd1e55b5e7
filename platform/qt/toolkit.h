#pragma once

#include "platform/runtime/toolkit.h"

namespace trelumo {

/// Qt's side of the runtime's toolkit: a task posted to the event loop, a message box for an
/// error, every window closed and the event loop ended.
Toolkit& qt_toolkit();

}  // namespace trelumo
