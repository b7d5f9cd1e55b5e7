// What every window test shares: the main window made afresh for each test with the separators
// pinned to Spanish (Spain), shown and active, a watchdog that closes any modal dialog a test
// did not ask for, so that a test fails instead of hanging, and one main() for every test program.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/number_text/number_text.h"
#include "platform/qt/runtime_start.h"
#include "ui/main_window/euro_window.h"

class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, [this] { check(); });
        timer_.start();
    }

    /// Lets one modal dialog with this object name stay open.
    void expect(const QString& object_name) { expected_ = object_name; }

    /// The titles of the unexpected dialogs closed so far.
    QStringList unexpected() const { return unexpected_; }

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() == expected_) return;
        unexpected_ << modal->windowTitle() + QStringLiteral(": ") + modal->objectName();
        modal->close();
    }

    QTimer timer_;
    QString expected_;
    QStringList unexpected_;
};

class GuiFixture {
public:
    void open_main_window() {
        window_ = std::make_unique<EuroWindow>(trelumo::spanish_separators());
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    /// Closes the main window; fails the test if a dialog it did not expect came up.
    void close_main_window() {
        window_.reset();
        QVERIFY2(watchdog_.unexpected().isEmpty(),
                 qPrintable(watchdog_.unexpected().join(QStringLiteral("; "))));
    }

    EuroWindow* window() const { return window_.get(); }
    QLineEdit* text_euro() const { return control<QLineEdit>("text_euro"); }
    QLineEdit* text_pts() const { return control<QLineEdit>("text_pts"); }
    QLabel* result() const { return control<QLabel>("result"); }
    QLabel* fizq() const { return control<QLabel>("fizq"); }
    QLabel* fdcha() const { return control<QLabel>("fdcha"); }

    /// Types into the control that has the focus, as a user would.
    static void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    ModalWatchdog& watchdog() { return watchdog_; }

private:
    template <class Control>
    Control* control(const char* name) const {
        return window_->findChild<Control*>(QString::fromLatin1(name));
    }

    std::unique_ptr<EuroWindow> window_;
    ModalWatchdog watchdog_;
};

/// Runs a window test program: on the offscreen platform unless another is asked for, with
/// Trelumo's runtime started as the program starts it.
template <class Test>
int run_window_test(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    trelumo::start_runtime(application);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#define TRELUMO_WINDOW_TEST_MAIN(Test)            \
    int main(int argc, char** argv) {             \
        return run_window_test<Test>(argc, argv); \
    }
