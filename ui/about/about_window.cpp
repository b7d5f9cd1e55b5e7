#include "ui/about/about_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/application_object.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/theme_colours.h"
#include "platform/qt/window_placement.h"
#include "platform/runtime/event_dispatch.h"
#include "ui/about/frmabout_layout.h"
#include "ui/about/get_key_value.h"

namespace frmAbout = trelumo::frmAbout;
using trelumo::qt_text;

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    layout_.emplace(frmAbout::layout, this);
    // Painted in the face of dialogs, the window's ground; the texts coloured in its stored
    // layout keep their colours where they read on it.
    new trelumo::ThemeColours(this, frmAbout::layout.back_colour, *layout_);
    setFixedSize(layout_->lay_out());
    setAttribute(Qt::WA_QuitOnClose, true);
    connect(layout_->control<QPushButton>(frmAbout::cmdOK), &QPushButton::clicked, this,
            [this] { trelumo::event_dispatch::run([this] { cmdOK_Click(); }); });
    trelumo::centre_on_screen(this);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load() {
    using namespace trelumo;
    frmAbout::Form_Load(*this,
                        {app::title().toStdString(), app::major(), app::minor(), app::revision()});
}

void AboutWindow::set_title(std::string_view title) {
    setWindowTitle(qt_text(title));
}

void AboutWindow::set_caption(int control, std::string_view caption) {
    layout_->control<QLabel>(control)->setText(qt_text(caption));
}

void AboutWindow::cmdOK_Click() {
    trelumo::Form<AboutWindow>::instance().unload();
}

bool AboutWindow::GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot,
                              const std::string& KeyName, const std::string& SubKeyRef,
                              std::string& KeyVal) const {
    return trelumo::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

// Esc: the window's cancel button is pressed.
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
