#include "ui/about/about_window.h"

#include <QCloseEvent>

#include "platform/qt/application_object.h"
#include "platform/qt/form.h"
#include "platform/qt/theme_colours.h"
#include "platform/qt/window_placement.h"
#include "platform/runtime/event_dispatch.h"
#include "platform/runtime/program_texts.h"
#include "ui/about/get_key_value.h"
#include "ui_frmabout.h"

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmAbout>()) {
    ui_->setupUi(this);
    // Painted in the face of dialogs, the window's ground; the texts coloured in its stored
    // layout keep their colours where they read on it.
    new trelumo::ThemeColours(this, trelumo::button_face_colour);
    layout_.emplace(this, size());
    setFixedSize(layout_->lay_out());
    setAttribute(Qt::WA_QuitOnClose, true);
    connect(ui_->cmdOK, &QPushButton::clicked, this,
            [this] { trelumo::event_dispatch::run([this] { cmdOK_Click(); }); });
    trelumo::centre_on_screen(this);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load() {
    using namespace trelumo;
    setWindowTitle(QString::fromStdString(texts::about_title(app::title().toStdString())));
    ui_->lblVersion->setText(
        QString::fromStdString(texts::version_line(app::major(), app::minor(), app::revision())));
    ui_->lblTitle->setText(app::title());
}

void AboutWindow::cmdOK_Click() {
    trelumo::Form<AboutWindow>::instance().unload();
}

bool AboutWindow::GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot,
                              const std::string& KeyName, const std::string& SubKeyRef,
                              std::string& KeyVal) const {
    return trelumo::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void AboutWindow::reject() {
    trelumo::event_dispatch::run([this] { cmdOK_Click(); });
}

void AboutWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout_) setFixedSize(layout_->lay_out());
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->accept();
}
