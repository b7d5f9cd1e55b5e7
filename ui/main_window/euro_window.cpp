#include "ui/main_window/euro_window.h"

#include <QApplication>
#include <QShowEvent>

#include "platform/qt/amount_edit.h"
#include "platform/qt/application_object.h"
#include "platform/qt/form.h"
#include "platform/qt/keystrokes.h"
#include "platform/qt/stored_layout.h"
#include "platform/qt/theme_colours.h"
#include "platform/qt/window_placement.h"
#include "platform/runtime/application.h"
#include "platform/runtime/event_dispatch.h"
#include "platform/runtime/program_texts.h"
#include "ui/about/about_window.h"
#include "ui_euro.h"

using trelumo::AmountField;
using trelumo::event_dispatch::run;

namespace {

constexpr trelumo::ColourValue window_background = trelumo::scroll_bar_colour;
constexpr trelumo::ColourValue result_background = trelumo::window_colour;

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

EuroWindow::EuroWindow(const trelumo::Separators& separators, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::euro>()),
      conversion_(separators),
      fields_(*this, conversion_) {
    ui_->setupUi(this);
    theme_colours_ = new trelumo::ThemeColours(this, window_background);
    layout_.emplace(ui_->centralwidget, ui_->centralwidget->baseSize());
    fit_to_layout();
    theme_colours_->set_background(this, QPalette::Window, window_background);
    setAutoFillBackground(true);
    ui_->result->setBackgroundRole(QPalette::Base);
    theme_colours_->set_background(ui_->result, QPalette::Base, result_background);
    ui_->fdcha->setAccessibleName(qt_text(trelumo::texts::euros_to_pesetas));
    ui_->fizq->setAccessibleName(qt_text(trelumo::texts::pesetas_to_euros));
    for (AmountEdit* edit : {ui_->text_euro, ui_->text_pts})
        edit->set_decimal_separator(qt_text(separators.decimal));
    connect_events();
    trelumo::centre_on_screen(this);
    Form_Load();
}

EuroWindow::~EuroWindow() = default;

void EuroWindow::connect_events() {
    connect(ui_->salir, &QAction::triggered, this, [this] { run([this] { salir_Click(); }); });
    connect(ui_->temas, &QAction::triggered, this, [this] { run([this] { temas_Click(); }); });
    connect(ui_->acerca, &QAction::triggered, this, [this] { run([this] { acerca_Click(); }); });

    connect(ui_->text_euro, &QLineEdit::textChanged, this,
            [this] { run([this] { fields_.text_euro_Change(); }); });
    connect(ui_->text_pts, &QLineEdit::textChanged, this,
            [this] { run([this] { fields_.text_pts_Change(); }); });
    focus_events_.watch(ui_->text_euro, {[this] { fields_.text_euro_GotFocus(); },
                                         [this] { fields_.text_euro_LostFocus(); }});
    focus_events_.watch(ui_->text_pts, {[this] { fields_.text_pts_GotFocus(); },
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
    focus_events_.start_in(ui_->text_euro);
}

void EuroWindow::Form_Load() {
    trelumo::app::set_help_file(trelumo::texts::help_file);
    set_text(AmountField::euro, trelumo::texts::euro_at_start);
    set_text(AmountField::pts, trelumo::texts::pts_at_start);
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
    return which == AmountField::euro ? ui_->text_euro : ui_->text_pts;
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
    ui_->result->state(qt_text(caption));
}

void EuroWindow::set_arrow_visible(trelumo::Arrow arrow, bool visible) {
    (arrow == trelumo::Arrow::left ? ui_->fizq : ui_->fdcha)->setVisible(visible);
}
