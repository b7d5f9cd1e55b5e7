#include "ui/main_window/win32/euro_window.h"

#include "platform/runtime/event_dispatch.h"
#include "platform/win32/accessible_control.h"
#include "platform/win32/form.h"
#include "platform/win32/keystrokes.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_placement.h"
#include "ui/about/win32/about_window.h"
#include "ui/main_window/euro_form.h"
#include "ui/main_window/euro_layout.h"

using trelumo::AmountField;
using trelumo::event_dispatch::run;
namespace euro = trelumo::euro;

EuroWindow::EuroWindow(const trelumo::Separators& separators)
    : conversion_(separators), fields_(*this, conversion_) {
    create(trelumo::frame_of(euro::layout, L"TrelumoEuro"), std::string(euro::layout.title));
    layout_.create(hwnd(), euro::layout, dpi());
    text_euro_.attach(layout_[euro::text_euro]);
    text_pts_.attach(layout_[euro::text_pts]);
    for (trelumo::AmountEdit* edit : {&text_euro_, &text_pts_})
        edit->set_decimal_separator(separators.decimal);
    connect_events();
    trelumo::centre_on_screen(hwnd());
    Form_Load();
}

EuroWindow::~EuroWindow() = default;

void EuroWindow::connect_events() {
    text_euro_.on_change([this] { run([this] { fields_.text_euro_Change(); }); });
    text_pts_.on_change([this] { run([this] { fields_.text_pts_Change(); }); });
    focus_events_.watch(text_euro_.hwnd(), {[this] { fields_.text_euro_GotFocus(); },
                                            [this] { fields_.text_euro_LostFocus(); }});
    focus_events_.watch(text_pts_.hwnd(), {[this] { fields_.text_pts_GotFocus(); },
                                           [this] { fields_.text_pts_LostFocus(); }});
}

void EuroWindow::show() {
    Window::show();
    if (shown_before_) return;
    shown_before_ = true;
    focus_events_.start_in(text_euro_.hwnd());
}

LRESULT EuroWindow::handle_message(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (l == 0 && HIWORD(w) == 0) {
                if (LOWORD(w) == trelumo::menu_command(euro::salir))
                    run([this] { salir_Click(); });
                else if (LOWORD(w) == trelumo::menu_command(euro::temas))
                    run([this] { temas_Click(); });
                else if (LOWORD(w) == trelumo::menu_command(euro::acerca))
                    run([this] { acerca_Click(); });
            } else if (const int control = layout_.control_of_command(w);
                       control == euro::text_euro) {
                text_euro_.notified(HIWORD(w));
            } else if (control == euro::text_pts) {
                text_pts_.notified(HIWORD(w));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (const HBRUSH brush = layout_.colours(
                    reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w), euro::layout.back_colour))
                return reinterpret_cast<LRESULT>(brush);
            break;
        default:
            break;
    }
    return Window::handle_message(message, w, l);
}

void EuroWindow::layout_changed(UINT dpi) {
    layout_.lay_out(dpi);
}

void EuroWindow::Form_Load() {
    euro::Form_Load(*this);
}

void EuroWindow::salir_Click() {
    trelumo::event_dispatch::end_program();
}

void EuroWindow::temas_Click() {
    trelumo::send_keys("{F1}", hwnd());
}

void EuroWindow::acerca_Click() {
    trelumo::Form<AboutWindow>::instance().show();
}

trelumo::AmountEdit& EuroWindow::field(AmountField which) {
    return which == AmountField::euro ? text_euro_ : text_pts_;
}

const trelumo::AmountEdit& EuroWindow::field(AmountField which) const {
    return which == AmountField::euro ? text_euro_ : text_pts_;
}

std::string EuroWindow::text(AmountField which) const {
    return field(which).text();
}

void EuroWindow::set_text(AmountField which, std::string_view text) {
    field(which).set_text(text);
}

void EuroWindow::set_background(AmountField which, trelumo::ColourValue colour) {
    layout_.set_back_colour(which == AmountField::euro ? euro::text_euro : euro::text_pts, colour);
}

void EuroWindow::set_selection_start(AmountField which, int start) {
    field(which).set_selection_start(start);
}

void EuroWindow::set_selection_length(AmountField which, int length) {
    field(which).set_selection_length(length);
}

void EuroWindow::set_result_caption(std::string_view caption) {
    const HWND result = layout_[euro::result];
    SetWindowTextW(result, trelumo::wide(caption).c_str());
    if (!caption.empty()) trelumo::announce(result);
}

void EuroWindow::set_arrow_visible(trelumo::Arrow arrow, bool visible) {
    layout_.set_visible(arrow == trelumo::Arrow::left ? euro::fizq : euro::fdcha, visible);
}
