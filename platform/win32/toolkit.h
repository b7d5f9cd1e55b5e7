#pragma once

#include "platform/runtime/toolkit.h"

namespace trelumo {

/// The Windows API's side of the runtime's toolkit: a task posted to a message-only window, a
/// message box for an error, every window of the thread destroyed and the message loop ended.
Toolkit& windows_toolkit();

}  // namespace trelumo
