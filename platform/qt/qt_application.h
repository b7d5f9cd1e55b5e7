// Qt's application object, made so that starting it writes nothing and a missing display is
// said in Spanish.
#pragma once

#include <memory>

class QApplication;

namespace trelumo {

/// Qt's application object, made so that Qt creates no folder while it starts. Without a display
/// to open, says so in one Spanish line and ends the process with status 1.
std::unique_ptr<QApplication> make_application(int& argc, char** argv);

}  // namespace trelumo
