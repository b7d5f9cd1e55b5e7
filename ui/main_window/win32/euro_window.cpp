#include "ui/main_window/win32/euro_window.h"

#include "platform/runtime/application.h"
#include "platform/runtime/event_dispatch.h"
#include "platform/runtime/program_texts.h"
#include "platform/win32/accessible_control.h"
#include "platform/win32/form.h"
#include "platform/win32/keystrokes.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_placement.h"
#include "ui/about/win32/about_window.h"
#include "ui/main_window/win32/euro_layout.h"

using trelumo::AmountField;
using trelumo::event_dispatch::run;

EuroWindow::EuroWindow(const trelumo::Separators& separators)
    : conversion_(separators), fields_(*this, conversion_) {
    create({.class_name = L"TrelumoEuro",
            .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
            .ex_style = WS_EX_CONTROLPARENT,
            .client_width = euro_layout::client_width,
            .client_height = euro_layout::client_height,
            .background = euro_layout::back_colour,
            .menu = EURO_MENU},
           euro_layout::title);
    controls_.create(hwnd(), euro_layout::controls, dpi());
    text_euro_.attach(controls_[euro_layout::text_euro]);
    text_pts_.attach(controls_[euro_layout::text_pts]);
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
                switch (LOWORD(w)) {
                    case ID_SALIR:
                        run([this] { salir_Click(); });
                        return 0;
                    case ID_TEMAS:
                        run([this] { temas_Click(); });
                        return 0;
                    case ID_ACERCA:
                        run([this] { acerca_Click(); });
                        return 0;
                    default:
                        break;
                }
            } else if (LOWORD(w) == euro_layout::text_euro) {
                text_euro_.notified(HIWORD(w));
            } else if (LOWORD(w) == euro_layout::text_pts) {
                text_pts_.notified(HIWORD(w));
            }
            return 0;
        case WM_SETCURSOR:
            controls_.make_tooltips(reinterpret_cast<HWND>(w));
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (const HBRUSH brush = controls_.colours(
                    reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w), euro_layout::back_colour))
                return reinterpret_cast<LRESULT>(brush);
            break;
        default:
            break;
    }
    return Window::handle_message(message, w, l);
}

void EuroWindow::layout_changed(UINT dpi) {
    controls_.lay_out(dpi);
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
    controls_.set_back_colour(
        which == AmountField::euro ? euro_layout::text_euro : euro_layout::text_pts, colour);
}

void EuroWindow::set_selection_start(AmountField which, int start) {
    field(which).set_selection_start(start);
}

void EuroWindow::set_selection_length(AmountField which, int length) {
    field(which).set_selection_length(length);
}

void EuroWindow::set_result_caption(std::string_view caption) {
    const HWND result = controls_[euro_layout::result];
    SetWindowTextW(result, trelumo::wide(caption).c_str());
    if (!caption.empty()) trelumo::announce(result);
}

void EuroWindow::set_arrow_visible(trelumo::Arrow arrow, bool visible) {
    const int id = arrow == trelumo::Arrow::left ? euro_layout::fizq : euro_layout::fdcha;
    controls_.set_visible(id, visible);
}
