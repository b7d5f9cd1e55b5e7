#pragma once

#include "platform/runtime/toolkit.h"

namespace trelumo {

/// The page's side of the runtime's toolkit: a task posted to the browser's event loop, a message
/// box over the page for an error, every window taken out of the page and the page's window
/// closed where the browser lets it be: an installed app's window closes; a browser tab, which a
/// page may not close, is left saying that Trelumo has ended, with a button that starts it again.
Toolkit& web_toolkit();

}  // namespace trelumo
