#include "platform/qt/toolkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/application_object.h"

namespace trelumo {
namespace {

class QtToolkit : public Toolkit {
public:
    void post(std::function<void()> task) override { QTimer::singleShot(0, qApp, std::move(task)); }

    void show_error(const std::string& text) override {
        auto* box = new QMessageBox(QMessageBox::Critical, app::title(),
                                    QString::fromStdString(text), QMessageBox::Ok);
        box->setObjectName(QStringLiteral("run_time_error"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setAttribute(Qt::WA_QuitOnClose, false);
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
    }

    void close_all_windows() override {
        QApplication::closeAllWindows();
        for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
        QCoreApplication::exit(0);
    }
};

}  // namespace

Toolkit& qt_toolkit() {
    static QtToolkit toolkit;
    return toolkit;
}

}  // namespace trelumo
