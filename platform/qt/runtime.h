#pragma once

#include <memory>

class QApplication;

namespace trelumo {

/// Qt's application object, made so that Qt creates no folder while it starts.
std::unique_ptr<QApplication> make_application(int& argc, char** argv);

/// Prepares the application before its first window: name, version and icon, Qt's own texts in
/// Spanish, and F1 for help.
void start_runtime(QApplication& application);

}  // namespace trelumo
