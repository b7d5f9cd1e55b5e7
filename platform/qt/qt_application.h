// Qt's application object, made so that starting it writes nothing and a missing display is
// said in Spanish, and its event loop run until the program ends.
#pragma once

#include <memory>

class QApplication;

namespace trelumo {

/// Qt's application object, made so that Qt creates no folder while it starts. Without a display
/// to open, says so in one Spanish line and ends the process with status 1.
std::unique_ptr<QApplication> make_application(int& argc, char** argv);

/// Runs Qt's event loop until the program ends, and gives its exit status. On Wayland it ends the
/// process there and then, with that status: Qt's Wayland platform, once taken down, can wait for
/// ever on its own thread that reads from the compositor. Trelumo keeps nothing to save, and a
/// Wayland clipboard goes with its program either way.
int run_until_the_end();

}  // namespace trelumo
