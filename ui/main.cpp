#include <QApplication>

#include "platform/qt/locale_separators.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/runtime_start.h"
#include "ui/main_window/euro_window.h"

int main(int argc, char* argv[]) {
    const auto application = trelumo::make_application(argc, argv);
    trelumo::start_runtime(*application);
    EuroWindow euro(trelumo::system_separators());
    euro.show();
    return trelumo::run_until_the_end();
}
