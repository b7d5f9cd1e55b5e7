#include "platform/qt/event_dispatch.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/application_object.h"
#include "platform/types/run_time_error.h"

namespace trelumo::event_dispatch {
namespace {

bool program_ending = false;
bool report_pending = false;

void report_after_current_event(const RunTimeError& error) {
    // One event can fail in two handlers (the field left and the field entered): one report.
    if (report_pending) return;
    report_pending = true;
    const QString text = QString::fromStdString(error.report());
    QTimer::singleShot(0, qApp, [text] {
        report_pending = false;
        if (program_ending) return;
        auto* box = new QMessageBox(QMessageBox::Critical, app::title(), text, QMessageBox::Ok);
        box->setObjectName(QStringLiteral("run_time_error"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setAttribute(Qt::WA_QuitOnClose, false);
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
    });
}

}  // namespace

void run(const std::function<void()>& handler) {
    if (program_ending) return;
    try {
        handler();
    } catch (const RunTimeError& error) {
        report_after_current_event(error);
    }
}

void end_program() {
    if (program_ending) return;
    program_ending = true;
    QApplication::closeAllWindows();
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

bool ending() {
    return program_ending;
}

}  // namespace trelumo::event_dispatch
