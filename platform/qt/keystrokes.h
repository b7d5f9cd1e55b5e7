#pragma once

#include <QString>

class QWidget;

namespace trelumo {

/// Sends keystrokes written in braces notation to the control that has the focus (or, when nothing
/// has it, to `fallback`), and returns once they have been processed. Knows "{F1}", the one
/// keystroke the program sends. Returns false for any other text or when there is no control to
/// send to.
bool send_keys(const QString& keys, QWidget* fallback = nullptr);

}  // namespace trelumo
