#pragma once

#include <QString>

class QWidget;

namespace trelumo {

/// Sends keystrokes written in braces notation ("{F1}", "{ENTER}", "{ESC}", "{TAB}") to the
/// control that has the focus (or, when nothing has it, to `fallback`), and returns once they have
/// been processed. Returns false when a key name is not known or there is no control to send to.
bool send_keys(const QString& keys, QWidget* fallback = nullptr);

}  // namespace trelumo
