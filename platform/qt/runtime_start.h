#pragma once

class QApplication;

namespace trelumo {

/// Prepares the application before its first window: name, version and icon, Qt's own texts in
/// Spanish, and F1 for help.
void start_runtime(QApplication& application);

}  // namespace trelumo
