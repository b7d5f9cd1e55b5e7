#include "ui/about/about_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "gui_fixture.h"
#include "platform/qt/form.h"

using AboutForm = trelumo::Form<AboutWindow>;

enum class Closing { aceptar_clicked, enter, esc, close_control };
Q_DECLARE_METATYPE(Closing)

namespace {

int visible_about_windows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<AboutWindow*>(widget) && widget->isVisible()) ++count;
    return count;
}

}  // namespace

class AboutWindowTest : public QObject, public GuiFixture {
    Q_OBJECT

private slots:
    void init() { open_main_window(); }

    void cleanup() {
        AboutForm::instance().unload();
        QTest::qWait(1);
        close_main_window();
    }

    void shows_icon_title_version_and_credits_with_the_focus_on_aceptar() {
        choose_acerca();
        AboutWindow* about = AboutForm::instance().window();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(about->windowTitle(), QStringLiteral("Acerca de Trelumo"));
        QCOMPARE(label(about, "lblTitle")->text(), QStringLiteral("Trelumo"));
        QCOMPARE(label(about, "lblVersion")->text(), QStringLiteral("Versión 1.0.0"));
        QCOMPARE(label(about, "lblDescription")->text(), QStringLiteral("Diseño y realización:"));
        QVERIFY(!label(about, "lblDisclaimer")->text().isEmpty());
        QVERIFY(!label(about, "picIcon")->pixmap().isNull());
        QCOMPARE(label(about, "picIcon")->toolTip(), QStringLiteral("V. 10-03-1999"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(about->size(), QSize(233, 168));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(!about->isModal());
    }

    void choosing_it_twice_leaves_one_window_loaded_once() {
        choose_acerca();
        AboutWindow* first = AboutForm::instance().window();
        label(first, "lblTitle")->setText(QStringLiteral("sin recargar"));
        choose_acerca();

        QCOMPARE(AboutForm::instance().window(), first);
        QCOMPARE(visible_about_windows(), 1);
        QCOMPARE(label(first, "lblTitle")->text(), QStringLiteral("sin recargar"));
    }

    void each_way_of_closing_unloads_it_and_reopening_loads_it_afresh_data() {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Aceptar clicked") << Closing::aceptar_clicked;
        QTest::newRow("Enter") << Closing::enter;
        QTest::newRow("Esc") << Closing::esc;
        QTest::newRow("close control") << Closing::close_control;
    }

    void each_way_of_closing_unloads_it_and_reopening_loads_it_afresh() {
        QFETCH(Closing, closing);
        choose_acerca();
        AboutWindow* about = AboutForm::instance().window();
        QVERIFY(QTest::qWaitForWindowActive(about));
        label(about, "lblTitle")->setText(QStringLiteral("cambiado"));

        switch (closing) {
            case Closing::aceptar_clicked:
                QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
                break;
            case Closing::enter:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                break;
            case Closing::esc:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                break;
            case Closing::close_control:
                about->close();
                break;
        }
        QTRY_VERIFY(!AboutForm::instance().loaded());
        QCOMPARE(visible_about_windows(), 0);

        choose_acerca();
        QCOMPARE(label(AboutForm::instance().window(), "lblTitle")->text(),
                 QStringLiteral("Trelumo"));
    }

    void the_fields_still_convert_while_it_is_open() {
        choose_acerca();
        QVERIFY(QTest::qWaitForWindowActive(AboutForm::instance().window()));
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QCOMPARE(QApplication::focusWidget(), text_euro());

        QTest::keyClick(text_euro(), Qt::Key_Delete);
        type(QStringLiteral("3"));
        tab();
        QCOMPARE(result()->text(), QStringLiteral("3,00 Euros  =  499 Ptas."));
        QCOMPARE(text_pts()->text(), QStringLiteral("499"));
        QCOMPARE(visible_about_windows(), 1);
    }

    void moving_to_it_and_back_leaves_the_typed_amount_alone() {
        type(QStringLiteral("250"));
        choose_acerca();
        QVERIFY(QTest::qWaitForWindowActive(AboutForm::instance().window()));
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QCOMPARE(text_euro()->text(), QStringLiteral("250"));
        QCOMPARE(result()->text(), QString());
    }

private:
    void choose_acerca() { window()->findChild<QAction*>(QStringLiteral("acerca"))->trigger(); }

    static QLabel* label(QWidget* about, const char* name) {
        return about->findChild<QLabel*>(QString::fromLatin1(name));
    }
};

TRELUMO_WINDOW_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
