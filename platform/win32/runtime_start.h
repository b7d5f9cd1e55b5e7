#pragma once

namespace trelumo {

/// Prepares the program before its first window: the common controls, per-monitor DPI awareness
/// (when the program's manifest has not already asked for it), the Spanish language for the
/// system's own texts, and the runtime's toolkit.
void start_runtime();

}  // namespace trelumo
