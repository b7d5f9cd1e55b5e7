#pragma once

namespace trelumo {

/// Prepares the page before its first window: its files kept for offline use where it is served
/// (a page opened from disk has them already), the help key and the runtime's toolkit.
void start_runtime();

}  // namespace trelumo
