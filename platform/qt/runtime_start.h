#pragma once

class QApplication;

namespace trelumo {

/// Prepares the application before its first window: name, version and icon, Qt's own texts in
/// Spanish, F1 for help, and the runtime's toolkit.
void start_runtime(QApplication& application);

}  // namespace trelumo
