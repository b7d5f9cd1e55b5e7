// How the program ends: Salir at once, closing every window; closing the main window when no other
// window of the program keeps it running. Each case ends the program, so CTest runs each in a
// process of its own.
#include <QAction>

#include "gui_fixture.h"
#include "platform/qt/form.h"
#include "platform/runtime/event_dispatch.h"
#include "ui/about/about_window.h"

using AboutForm = trelumo::Form<AboutWindow>;

class ProgramEndTest : public QObject, public GuiFixture {
    Q_OBJECT

private slots:
    void init() { open_main_window(); }

    void salir_closes_every_window_at_once_without_converting() {
        type(QStringLiteral("9"));
        choose(window(), "acerca");
        QVERIFY(AboutForm::instance().window()->isVisible());

        choose(window(), "salir");

        bool handler_ran = false;
        trelumo::event_dispatch::run([&] { handler_ran = true; });
        QVERIFY(!handler_ran);
        QVERIFY(!window()->isVisible());
        QVERIFY(!AboutForm::instance().loaded() || !AboutForm::instance().window()->isVisible());
        QCOMPARE(text_euro()->text(), QStringLiteral("9"));
        QCOMPARE(result()->text(), QString());
    }

    void closing_the_main_window_ends_the_program_though_help_is_open() {
        QTest::keyClick(text_euro(), Qt::Key_F1);
        QVERIFY(help_window_shown());
        QTimer::singleShot(0, this, [this] { window()->close(); });

        QCOMPARE(exec_with_guard(), 0);
    }

    void closing_the_main_window_leaves_the_program_running_until_about_closes() {
        choose(window(), "acerca");
        bool running_after_main_window_closed = false;
        QTimer::singleShot(0, this, [&] {
            window()->close();
            QTimer::singleShot(50, this, [&] {
                running_after_main_window_closed = AboutForm::instance().window()->isVisible();
                AboutForm::instance().unload();
            });
        });

        QCOMPARE(exec_with_guard(), 0);
        QVERIFY(running_after_main_window_closed);
    }

private:
    static void choose(QWidget* window, const char* action) {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }

    static bool help_window_shown() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("help_window") && widget->isVisible())
                return true;
        return false;
    }

    // The program's event loop, ended with status 1 if the program is still running after 5 s.
    static int exec_with_guard() {
        QTimer still_running_guard;
        still_running_guard.callOnTimeout([] { QCoreApplication::exit(1); });
        still_running_guard.start(5000);
        return QApplication::exec();
    }
};

TRELUMO_WINDOW_TEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
