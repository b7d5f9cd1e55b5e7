#include "platform/qt/runtime_start.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/qt/application_object.h"
#include "platform/qt/help.h"
#include "platform/qt/stored_layout.h"
#include "platform/qt/toolkit.h"
#include "platform/runtime/event_dispatch.h"

namespace trelumo {

void start_runtime(QApplication& application) {
    QApplication::setApplicationName(app::title());
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(app::major()).arg(app::minor()).arg(app::revision()));
    QApplication::setDesktopFileName(QStringLiteral(TRELUMO_APP_ID));
    QApplication::setWindowIcon(QIcon(picture_path("euro")));

    auto* qt_texts = new QTranslator(&application);
    if (qt_texts->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt_texts);

    install_help_key(application);
    event_dispatch::use_toolkit(qt_toolkit());
}

}  // namespace trelumo
