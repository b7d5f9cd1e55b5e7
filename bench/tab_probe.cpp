// The time from a TAB key press to both amount fields being up to date, inside the program: the
// main window started as Trelumo starts it, an amount typed into the focused field before every
// other TAB, and each TAB timed from just before its key press is sent to when the press returns.
// After each TAB the field left must show its amount tidied and the field entered the conversion
// of it; the probe counts the TABs for which that already holds when the press returns.
//   tab_probe [TABs, 2000]   prints: TABs, up to date, median µs, 99th percentile µs, worst µs
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/conversion.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/runtime_start.h"
#include "ui/main_window/euro_window.h"

namespace {

const char* const amounts[] = {"1", "1234,5", "-5", "0,01", "166", "1.000.000", "99999999,999"};

double microseconds_for_tab(QWidget* field) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
    const auto start = std::chrono::steady_clock::now();
    QApplication::sendEvent(field, &press);
    const auto end = std::chrono::steady_clock::now();
    QApplication::sendEvent(field, &release);
    return std::chrono::duration<double, std::micro>(end - start).count();
}

int run(EuroWindow& euro, int tabs) {
    if (!QTest::qWaitForWindowActive(&euro)) {
        std::fprintf(stderr, "the main window did not become active\n");
        return 1;
    }
    auto* text_euro = euro.findChild<QLineEdit*>(QStringLiteral("text_euro"));
    auto* text_pts = euro.findChild<QLineEdit*>(QStringLiteral("text_pts"));
    const trelumo::Conversion conversion;
    std::vector<double> times;
    int up_to_date = 0;
    for (int i = 0; i < tabs; ++i) {
        auto* left = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (left != text_euro && left != text_pts) {
            std::fprintf(stderr, "the focus left the amount fields\n");
            return 1;
        }
        if (i % 2 == 0)
            QTest::keyClicks(left, QString::fromUtf8(amounts[i / 2 % std::size(amounts)]));
        const std::string typed = left->text().toStdString();
        times.push_back(microseconds_for_tab(left));

        const bool from_euro = left == text_euro;
        const std::string tidied =
            from_euro ? conversion.reformat_euro_text(typed) : conversion.reformat_pts_text(typed);
        const std::string converted = from_euro ? conversion.pts_from_euro_text(tidied)
                                                : conversion.euro_from_pts_text(tidied);
        QLineEdit* entered = from_euro ? text_pts : text_euro;
        if (left->text().toStdString() == tidied && entered->text().toStdString() == converted &&
            QApplication::focusWidget() == entered)
            ++up_to_date;
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times[static_cast<std::size_t>(share * (times.size() - 1))];
    };
    std::printf("%d %d %.1f %.1f %.1f\n", tabs, up_to_date, at(0.5), at(0.99), times.back());
    return up_to_date == tabs ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int tabs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const auto application = trelumo::make_application(argc, argv);
    trelumo::start_runtime(*application);
    EuroWindow euro(trelumo::spanish_separators());
    euro.show();
    euro.activateWindow();
    int status = 1;
    QTimer::singleShot(0, &euro, [&] {
        status = run(euro, tabs);
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
