#include "platform/qt/help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/application_object.h"
#include "platform/qt/window_placement.h"
#include "platform/runtime/application.h"
#include "platform/runtime/program_texts.h"

namespace trelumo {
namespace {

class HelpWindow : public QTextBrowser {
public:
    HelpWindow() {
        setObjectName(QStringLiteral("help_window"));
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(QString::fromStdString(texts::help_title(app::title().toStdString())));
        setOpenExternalLinks(true);
        resize(560, 520);
    }
};

class HelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
                show_help(QString::fromStdString(app::help_file()));
                return true;
            }
        }
        return false;
    }
};

void say_missing(const QStringList& sought) {
    QStringList quoted;
    for (const QString& path : sought)
        quoted << QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
    const QString places = quoted.size() > 1
                               ? quoted.mid(0, quoted.size() - 1).join(QStringLiteral(", ")) +
                                     QStringLiteral(" ni en ") + quoted.last()
                               : quoted.join(QString());
    auto* box = new QMessageBox(
        QMessageBox::Warning, app::title(),
        QStringLiteral("No se encuentra la ayuda: no está en %1.").arg(places), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("help_missing"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->show();
}

}  // namespace

QStringList help_folders() {
    const QDir program_folder(QCoreApplication::applicationDirPath());
    return {program_folder.filePath(QStringLiteral("help")),
            QDir::cleanPath(program_folder.filePath(QStringLiteral(TRELUMO_INSTALLED_HELP_DIR)))};
}

QStringList help_document_candidates(const QString& help_file, const QStringList& folders) {
    const QString name = QString::fromStdString(texts::help_document_name(help_file.toStdString()));
    QStringList candidates;
    if (name.isEmpty()) return candidates;
    for (const QString& folder : folders)
        candidates << QDir::cleanPath(QDir(folder).absoluteFilePath(name));
    return candidates;
}

QString help_document_path(const QString& help_file, const QStringList& folders) {
    for (const QString& candidate : help_document_candidates(help_file, folders)) {
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return {};
}

void show_help(const QString& help_file) {
    const QString document = help_document_path(help_file);
    if (document.isEmpty()) {
        say_missing(help_document_candidates(help_file, help_folders()));
        return;
    }
    static QPointer<HelpWindow> window;
    const bool first_shown = !window;
    if (first_shown) window = new HelpWindow;
    window->setSource(QUrl::fromLocalFile(document));
    QWidget* beside = QApplication::activeWindow();
    window->show();
    if (first_shown) place_beside(window, beside);
    window->raise();
    window->activateWindow();
}

void install_help_key(QApplication& application) {
    application.installEventFilter(new HelpKey(&application));
}

}  // namespace trelumo
