#include "ui/about/win32/about_window.h"

#include <string>

#include "platform/runtime/event_dispatch.h"
#include "platform/runtime/program_texts.h"
#include "platform/win32/application_object.h"
#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_placement.h"
#include "ui/about/get_key_value.h"
#include "ui/about/win32/frmabout_layout.h"

AboutWindow::AboutWindow() {
    create({.class_name = L"TrelumoAbout",
            .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
            .ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
            .client_width = frmabout_layout::client_width,
            .client_height = frmabout_layout::client_height,
            .background = frmabout_layout::back_colour},
           frmabout_layout::title);
    controls_.create(hwnd(), frmabout_layout::controls, dpi());
    controls_.stack(frmabout_layout::reading_order);
    trelumo::centre_on_screen(hwnd());
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load() {
    using namespace trelumo;
    SetWindowTextW(hwnd(), wide(texts::about_title(app::title())).c_str());
    SetWindowTextW(controls_[frmabout_layout::lblVersion],
                   wide(texts::version_line(app::major(), app::minor(), app::revision())).c_str());
    SetWindowTextW(controls_[frmabout_layout::lblTitle], wide(app::title()).c_str());
}

void AboutWindow::cmdOK_Click() {
    trelumo::Form<AboutWindow>::instance().unload();
}

bool AboutWindow::GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot,
                              const std::string& KeyName, const std::string& SubKeyRef,
                              std::string& KeyVal) const {
    return trelumo::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

LRESULT AboutWindow::handle_message(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            // The button, Enter (the default button) and Esc (the cancel button).
            if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)
                trelumo::event_dispatch::run([this] { cmdOK_Click(); });
            return 0;
        case WM_CLOSE:
            trelumo::event_dispatch::run([this] { cmdOK_Click(); });
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd(), &paint);
            trelumo::draw_lines(dc, frmabout_layout::lines, controls_.scale());
            EndPaint(hwnd(), &paint);
            return 0;
        }
        case WM_SETCURSOR:
            controls_.make_tooltips(reinterpret_cast<HWND>(w));
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush =
                    controls_.colours(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w),
                                      frmabout_layout::back_colour))
                return reinterpret_cast<LRESULT>(brush);
            break;
        default:
            break;
    }
    return Window::handle_message(message, w, l);
}

void AboutWindow::layout_changed(UINT dpi) {
    controls_.lay_out(dpi);
    InvalidateRect(hwnd(), nullptr, TRUE);
}
