#include "ui/main_window/web/euro_window.h"

#include "platform/runtime/event_dispatch.h"
#include "platform/web/form.h"
#include "platform/web/keystrokes.h"
#include "ui/about/web/about_window.h"
#include "ui/main_window/euro_form.h"
#include "ui/main_window/euro_layout.h"

namespace trelumo::web {

using event_dispatch::run;

EuroWindow::EuroWindow(const Separators& separators)
    : Window(
          {.kind = Kind::main, .name = std::string(euro::layout.name), .icon = euro::layout.icon},
          euro::layout.title),
      layout_(euro::layout, client(), [this] { fit_to_viewport(); }),
      conversion_(separators),
      fields_(*this, conversion_) {
    menu_bar_ =
        std::make_unique<MenuBar>(menu_place(), root(), euro::layout.menu, [this](int item) {
            if (item == euro::salir) run([this] { salir_Click(); });
            if (item == euro::temas) run([this] { temas_Click(); });
            if (item == euro::acerca) run([this] { acerca_Click(); });
        });
    text_euro_.attach(layout_[euro::text_euro]);
    text_pts_.attach(layout_[euro::text_pts]);
    for (AmountEdit* edit : {&text_euro_, &text_pts_})
        edit->set_decimal_separator(separators.decimal);
    set_tab_stops(layout_.tab_stops());
    connect_events();
    Form_Load();
}

EuroWindow::~EuroWindow() = default;

void EuroWindow::connect_events() {
    text_euro_.on_change([this] { run([this] { fields_.text_euro_Change(); }); });
    text_pts_.on_change([this] { run([this] { fields_.text_pts_Change(); }); });
    focus_events_.watch(text_euro_.element(), {[this] { fields_.text_euro_GotFocus(); },
                                               [this] { fields_.text_euro_LostFocus(); }});
    focus_events_.watch(text_pts_.element(), {[this] { fields_.text_pts_GotFocus(); },
                                              [this] { fields_.text_pts_LostFocus(); }});
}

void EuroWindow::first_shown() {
    focus_events_.start_in(text_euro_.element());
}

void EuroWindow::Form_Load() {
    euro::Form_Load(*this);
}

void EuroWindow::salir_Click() {
    event_dispatch::end_program();
}

void EuroWindow::temas_Click() {
    send_keys("{F1}");
}

void EuroWindow::acerca_Click() {
    Form<AboutWindow>::instance().show();
}

AmountEdit& EuroWindow::field(AmountField which) {
    return which == AmountField::euro ? text_euro_ : text_pts_;
}

const AmountEdit& EuroWindow::field(AmountField which) const {
    return which == AmountField::euro ? text_euro_ : text_pts_;
}

std::string EuroWindow::text(AmountField which) const {
    return field(which).text();
}

void EuroWindow::set_text(AmountField which, std::string_view text) {
    field(which).set_text(text);
}

void EuroWindow::set_background(AmountField which, ColourValue colour) {
    layout_.set_back_colour(which == AmountField::euro ? euro::text_euro : euro::text_pts, colour);
}

void EuroWindow::set_selection_start(AmountField which, int start) {
    field(which).set_selection_start(start);
}

void EuroWindow::set_selection_length(AmountField which, int length) {
    field(which).set_selection_length(length);
}

void EuroWindow::set_result_caption(std::string_view caption) {
    // Each sentence stated is told anew, the same sentence again too.
    layout_[euro::result].replace_text(caption);
}

void EuroWindow::set_arrow_visible(Arrow arrow, bool visible) {
    const Element picture = layout_[arrow == Arrow::left ? euro::fizq : euro::fdcha];
    if (visible) {
        picture.remove_attribute("hidden");
    } else {
        picture.set_attribute("hidden", "");
    }
}

}  // namespace trelumo::web
