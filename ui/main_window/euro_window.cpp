#include "ui/main_window/euro_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QShowEvent>

#include "platform/qt/accessible_control.h"
#include "platform/qt/amount_edit.h"
#include "platform/qt/application_object.h"
#include "platform/qt/form.h"
#include "platform/qt/keystrokes.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/stored_layout.h"
#include "platform/qt/theme_colours.h"
#include "platform/qt/window_placement.h"
#include "platform/runtime/event_dispatch.h"
#include "ui/about/about_window.h"
#include "ui/main_window/euro_form.h"
#include "ui/main_window/euro_layout.h"

using trelumo::AmountEdit;
using trelumo::AmountField;
using trelumo::AnnouncedLabel;
using trelumo::qt_text;
using trelumo::event_dispatch::run;
namespace euro = trelumo::euro;

EuroWindow::EuroWindow(const trelumo::Separators& separators, QWidget* parent)
    : QMainWindow(parent), conversion_(separators), fields_(*this, conversion_) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("centralwidget"));
    layout_.emplace(euro::layout, client);
    setCentralWidget(client);
    menu_ = trelumo::make_menu(euro::layout.menu, menuBar(), this);
    theme_colours_ = new trelumo::ThemeColours(this, euro::layout.back_colour, *layout_);
    fit_to_layout();
    theme_colours_->set_background(this, QPalette::Window, euro::layout.back_colour);
    setAutoFillBackground(true);
    for (AmountEdit* edit : {field(AmountField::euro), field(AmountField::pts)})
        edit->set_decimal_separator(qt_text(separators.decimal));
    connect_events();
    trelumo::centre_on_screen(this);
    Form_Load();
}

EuroWindow::~EuroWindow() = default;

void EuroWindow::connect_events() {
    connect(menu_[euro::salir], &QAction::triggered, this,
            [this] { run([this] { salir_Click(); }); });
    connect(menu_[euro::temas], &QAction::triggered, this,
            [this] { run([this] { temas_Click(); }); });
    connect(menu_[euro::acerca], &QAction::triggered, this,
            [this] { run([this] { acerca_Click(); }); });

    AmountEdit* text_euro = field(AmountField::euro);
    AmountEdit* text_pts = field(AmountField::pts);
    connect(text_euro, &QLineEdit::textChanged, this,
            [this] { run([this] { fields_.text_euro_Change(); }); });
    connect(text_pts, &QLineEdit::textChanged, this,
            [this] { run([this] { fields_.text_pts_Change(); }); });
    focus_events_.watch(text_euro, {[this] { fields_.text_euro_GotFocus(); },
                                    [this] { fields_.text_euro_LostFocus(); }});
    focus_events_.watch(text_pts, {[this] { fields_.text_pts_GotFocus(); },
                                   [this] { fields_.text_pts_LostFocus(); }});
}

void EuroWindow::fit_to_layout() {
    resize(layout_->lay_out() + QSize(0, menuBar()->sizeHint().height()));
}

void EuroWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout_) fit_to_layout();
}

void EuroWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_before_ || event->spontaneous()) return;
    shown_before_ = true;
    focus_events_.start_in(field(AmountField::euro));
}

void EuroWindow::Form_Load() {
    euro::Form_Load(*this);
}

void EuroWindow::salir_Click() {
    trelumo::event_dispatch::end_program();
}

void EuroWindow::temas_Click() {
    trelumo::send_keys(QStringLiteral("{F1}"), this);
}

void EuroWindow::acerca_Click() {
    trelumo::Form<AboutWindow>::instance().show();
}

AmountEdit* EuroWindow::field(AmountField which) const {
    return layout_->control<AmountEdit>(which == AmountField::euro ? euro::text_euro
                                                                   : euro::text_pts);
}

std::string EuroWindow::text(AmountField which) const {
    return field(which)->text().toStdString();
}

void EuroWindow::set_text(AmountField which, std::string_view text) {
    field(which)->set_text(qt_text(text));
}

void EuroWindow::set_background(AmountField which, trelumo::ColourValue colour) {
    theme_colours_->set_background(field(which), QPalette::Base, colour);
}

void EuroWindow::set_selection_start(AmountField which, int start) {
    field(which)->setSelection(start, 0);
}

void EuroWindow::set_selection_length(AmountField which, int length) {
    AmountEdit* edit = field(which);
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    edit->setSelection(start, length);
}

void EuroWindow::set_result_caption(std::string_view caption) {
    layout_->control<AnnouncedLabel>(euro::result)->state(qt_text(caption));
}

void EuroWindow::set_arrow_visible(trelumo::Arrow arrow, bool visible) {
    (*layout_)[arrow == trelumo::Arrow::left ? euro::fizq : euro::fdcha]->setVisible(visible);
}
