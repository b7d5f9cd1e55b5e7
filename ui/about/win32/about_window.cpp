#include "ui/about/win32/about_window.h"

#include <string>

#include "platform/runtime/event_dispatch.h"
#include "platform/win32/application_object.h"
#include "platform/win32/form.h"
#include "platform/win32/line_drawing.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_placement.h"
#include "ui/about/frmabout_layout.h"
#include "ui/about/get_key_value.h"

namespace frmAbout = trelumo::frmAbout;

AboutWindow::AboutWindow() {
    create(trelumo::frame_of(frmAbout::layout, L"TrelumoAbout"),
           std::string(frmAbout::layout.title));
    layout_.create(hwnd(), frmAbout::layout, dpi());
    trelumo::centre_on_screen(hwnd());
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load() {
    using namespace trelumo;
    frmAbout::Form_Load(*this, {app::title(), app::major(), app::minor(), app::revision()});
}

void AboutWindow::set_title(std::string_view title) {
    SetWindowTextW(hwnd(), trelumo::wide(title).c_str());
}

void AboutWindow::set_caption(int control, std::string_view caption) {
    SetWindowTextW(layout_[control], trelumo::wide(caption).c_str());
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
            if (layout_.control_of_command(w) == frmAbout::cmdOK)
                trelumo::event_dispatch::run([this] { cmdOK_Click(); });
            return 0;
        case WM_CLOSE:
            trelumo::event_dispatch::run([this] { cmdOK_Click(); });
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd(), &paint);
            trelumo::draw_lines(dc, frmAbout::layout.lines, layout_.scale());
            EndPaint(hwnd(), &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush =
                    layout_.colours(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w),
                                    frmAbout::layout.back_colour))
                return reinterpret_cast<LRESULT>(brush);
            break;
        default:
            break;
    }
    return Window::handle_message(message, w, l);
}

void AboutWindow::layout_changed(UINT dpi) {
    layout_.lay_out(dpi);
    InvalidateRect(hwnd(), nullptr, TRUE);
}
