#include "platform/qt/help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/application.h"

namespace trelumo {
namespace {

class HelpWindow : public QTextBrowser {
public:
    HelpWindow() {
        setObjectName(QStringLiteral("help_window"));
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(QStringLiteral("Ayuda de %1").arg(app::title()));
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
                show_help(app::help_file());
                return true;
            }
        }
        return false;
    }
};

void say_missing(const QString& help_file) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, app::title(),
                        QStringLiteral("No se encuentra el archivo de ayuda «%1».").arg(help_file),
                        QMessageBox::Ok);
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

QString help_document_path(const QString& help_file, const QStringList& folders) {
    const QString base = QFileInfo(help_file).completeBaseName().toLower();
    if (base.isEmpty()) return {};
    for (const QString& folder : folders) {
        const QFileInfo document(QDir(folder).filePath(base + QStringLiteral(".html")));
        if (document.isFile()) return document.absoluteFilePath();
    }
    return {};
}

void show_help(const QString& help_file) {
    const QString document = help_document_path(help_file);
    if (document.isEmpty()) {
        say_missing(help_file);
        return;
    }
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow;
    window->setSource(QUrl::fromLocalFile(document));
    window->show();
    window->raise();
    window->activateWindow();
}

void install_help_key(QApplication& application) {
    application.installEventFilter(new HelpKey(&application));
}

}  // namespace trelumo
