// Trelumo started as ui/main.cpp starts it, then used as a person would: an amount typed and TAB
// pressed, the About window opened and closed, the help window opened and closed, and the exit
// command chosen. Says each step on standard output; exits with 1 if a step did not happen.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "platform/qt/locale_separators.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/runtime_start.h"
#include "ui/about/about_window.h"
#include "ui/main_window/euro_window.h"

namespace {

int failures = 0;

void step(const char* what, bool done) {
    std::printf("%s %s\n", done ? "done:  " : "FAILED:", what);
    std::fflush(stdout);
    if (!done) ++failures;
}

QWidget* visible_top_level(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == name) return widget;
    return nullptr;
}

AboutWindow* visible_about_window() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutWindow*>(widget); about && about->isVisible())
            return about;
    return nullptr;
}

void drive(EuroWindow& euro) {
    const auto* text_euro = euro.findChild<QLineEdit*>(QStringLiteral("text_euro"));
    const auto* text_pts = euro.findChild<QLineEdit*>(QStringLiteral("text_pts"));
    const bool active = QTest::qWaitForWindowActive(&euro);
    step("main window shown and active", active);
    if (!active) {
        QCoreApplication::exit(1);
        return;
    }

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    step("1 euro converted to 166 pesetas",
         text_euro->text() == QStringLiteral("1,00") && text_pts->text() == QStringLiteral("166"));

    euro.findChild<QAction*>(QStringLiteral("acerca"))->trigger();
    AboutWindow* about = nullptr;
    step("About window opened", QTest::qWaitFor([&] { return (about = visible_about_window()); }));
    if (about)
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    step("About window closed", QTest::qWaitFor([] { return !visible_about_window(); }));

    euro.findChild<QAction*>(QStringLiteral("temas"))->trigger();
    QWidget* help = nullptr;
    step("help window opened", QTest::qWaitFor([&] {
             return (help = visible_top_level(QStringLiteral("help_window")));
         }));
    if (help) help->close();
    step("help window closed",
         QTest::qWaitFor([] { return !visible_top_level(QStringLiteral("help_window")); }));

    euro.findChild<QAction*>(QStringLiteral("salir"))->trigger();
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto application = trelumo::make_application(argc, argv);
    trelumo::start_runtime(*application);
    EuroWindow euro(trelumo::system_separators());
    euro.show();
    euro.activateWindow();
    QTimer::singleShot(0, &euro, [&euro] { drive(euro); });
    const int status = QApplication::exec();
    step("program ended by the exit command", status == 0);
    return failures == 0 ? 0 : 1;
}
