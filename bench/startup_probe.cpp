// Starts Trelumo's main window, a bare Qt window of the same size, or that window with one label
// (the cost of drawing any text at all), exactly as a program would, and at the first paint prints
// the time since TRELUMO_LAUNCH_NS (nanoseconds since the epoch, set by the launcher just before it
// started this process), the peak resident memory and the private memory written so far (what the
// process costs beyond the shared libraries' pages).
//   startup_probe trelumo|bare|label
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/qt/locale_separators.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/runtime_start.h"
#include "ui/main_window/euro_window.h"

namespace {

long private_dirty_kb() {
    std::FILE* rollup = std::fopen("/proc/self/smaps_rollup", "r");
    if (!rollup) return 0;
    char line[256];
    long total = 0;
    while (std::fgets(line, sizeof line, rollup))
        if (std::strncmp(line, "Private_Dirty:", 14) == 0) total += std::atol(line + 14);
    std::fclose(rollup);
    return total;
}

long long now_ns() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const char* launch = std::getenv("TRELUMO_LAUNCH_NS");
            const long long elapsed = now_ns() - (launch ? std::atoll(launch) : now_ns());
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%.3f %ld %ld\n", elapsed / 1e6, usage.ru_maxrss, private_dirty_kb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const char* kind = argc > 1 ? argv[1] : "trelumo";
    const bool is_trelumo = std::strcmp(kind, "trelumo") == 0;
    const auto application = is_trelumo ? trelumo::make_application(argc, argv)
                                        : std::make_unique<QApplication>(argc, argv);
    FirstPaint first_paint;
    std::unique_ptr<QWidget> window;
    if (!is_trelumo) {
        window = std::make_unique<QWidget>();
        window->resize(385, 142);
        if (std::strcmp(kind, "label") == 0) new QLabel(QStringLiteral("Euros:"), window.get());
    } else {
        trelumo::start_runtime(*application);
        window = std::make_unique<EuroWindow>(trelumo::system_separators());
    }
    window->installEventFilter(&first_paint);
    window->show();
    return QApplication::exec();
}
