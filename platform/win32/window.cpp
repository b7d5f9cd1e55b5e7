#include "platform/win32/window.h"

#include <set>

#include "platform/runtime/application.h"
#include "platform/runtime/event_dispatch.h"
#include "platform/win32/application_object.h"
#include "platform/win32/help.h"
#include "platform/win32/message_box.h"
#include "platform/win32/message_font.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/stored_layout.h"
#include "platform/win32/system_colour.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_placement.h"

namespace trelumo {
namespace {

std::set<HWND> program_windows;
int windows_keeping_program = 0;

bool register_class(const wchar_t* name, ColourValue background, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    if (GetClassInfoExW(instance, name, &window_class)) return true;
    window_class.cbSize = sizeof window_class;
    // A dialog box of a class of the program's own: the dialog manager keeps the control that
    // had the focus while another window is active, and gives it back, or the first one in tab
    // order, when the window is active again.
    window_class.cbWndExtra = DLGWINDOWEXTRA;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = brush_of(background);
    window_class.lpszClassName = name;
    window_class.hIcon =
        static_cast<HICON>(LoadImageW(instance, L"EURO", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                      GetSystemMetrics(SM_CYICON), 0));
    window_class.hIconSm =
        static_cast<HICON>(LoadImageW(instance, L"EURO", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterClassExW(&window_class) != 0;
}

bool is_edit(HWND window) {
    wchar_t name[8] = {};
    return window && GetClassNameW(window, name, 8) && lstrcmpiW(name, L"Edit") == 0;
}

// The program's keys, as its accelerator table sends them to any of its windows.
bool key_command(WORD command) {
    if (command == help_key_command) {
        show_help(app::help_file());
        return true;
    }
    if (command == select_all_key_command) {
        if (const HWND focus = GetFocus(); is_edit(focus)) SendMessageW(focus, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

}  // namespace

Window::~Window() {
    if (hwnd_) {
        destroyed_ = nullptr;
        DestroyWindow(hwnd_);
    }
}

void Window::create(const Frame& frame, const std::string& title) {
    frame_ = frame;
    if (!register_class(frame.class_name, frame.background, procedure)) window_not_made(title);
    // Made at its size for the DPI it opens with, that of the primary monitor, in the middle of
    // that monitor, so that no resizing nor moving (each a round to the window system) follows.
    const UINT expected_dpi = GetDpiForSystem();
    const SIZE size = frame_size(frame, expected_dpi);
    const POINT place = centred_on_primary_screen(size);
    if (!CreateWindowExW(frame.ex_style, frame.class_name, wide(title).c_str(), frame.style,
                         place.x, place.y, size.cx, size.cy, nullptr,
                         frame.menu.empty() ? nullptr : make_menu(frame.menu),
                         GetModuleHandleW(nullptr), this))
        window_not_made(title);
    if (dpi() != expected_dpi) resize_client(frame, dpi());
}

SIZE Window::frame_size(const Frame& frame, UINT dpi) {
    const LayoutScale scale = layout_scale_for(dpi);
    RECT bounds{0, 0, scale.pixels(frame.client_width), scale.pixels(frame.client_height)};
    AdjustWindowRectExForDpi(&bounds, frame.style, !frame.menu.empty(), frame.ex_style, dpi);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void Window::resize_client(const Frame& frame, UINT dpi) {
    const SIZE size = frame_size(frame, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT Window::dpi() const {
    const UINT window_dpi = hwnd_ ? GetDpiForWindow(hwnd_) : 0;
    return window_dpi ? window_dpi : USER_DEFAULT_SCREEN_DPI;
}

void Window::show() {
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    // Showing a window usually activates it and brings it to the front (always at start-up);
    // when it has not, as for a window shown again behind another, this does.
    if (GetForegroundWindow() != hwnd_) {
        BringWindowToTop(hwnd_);
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
    }
    UpdateWindow(hwnd_);
}

LRESULT Window::handle_message(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CTLCOLORDLG:  // the ground the dialog manager paints: the window class's
            return GetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND);
        case WM_CLOSE:  // the dialog manager would take it for Esc
            DestroyWindow(hwnd_);
            return 0;
        case WM_SYSCOLORCHANGE:
            follow_colours();
            return 0;
        case WM_SETTINGCHANGE:
            if (w == SPI_SETHIGHCONTRAST) follow_colours();
            if (w == SPI_SETNONCLIENTMETRICS) {
                resize_client(frame_, dpi());
                layout_changed(dpi());
            }
            break;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            layout_changed(HIWORD(w));
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefDlgProcW(hwnd_, message, w, l);
}

void Window::follow_colours() {
    // The desktop's brushes of its colours may be new ones, the class's the old.
    SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(brush_of(frame_.background)));
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        program_windows.insert(window);
        if (self->frame_.keeps_program_running) ++windows_keeping_program;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (message == WM_COMMAND && HIWORD(w) == 1 && key_command(LOWORD(w))) return 0;
    if (message != WM_NCDESTROY) return self->handle_message(message, w, l);

    // The window is gone: the object may be deleted by the callback, so nothing touches it after.
    const LRESULT result = self->handle_message(message, w, l);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    program_windows.erase(window);
    self->hwnd_ = nullptr;
    const bool last = self->frame_.keeps_program_running && --windows_keeping_program == 0;
    const auto destroyed = std::move(self->destroyed_);
    if (destroyed) destroyed();
    if (last) event_dispatch::end_program();
    return result;
}

void window_not_made(const std::string& title) {
    const DWORD error = GetLastError();
    wchar_t* reason = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    std::string text = app::title() + " no puede abrir la ventana «" + title + "».";
    if (reason) text += "\n\n" + utf8(reason);
    show_message(nullptr, text, MB_ICONERROR);
    ExitProcess(1);
}

bool is_program_window(HWND window) {
    return program_windows.contains(window);
}

}  // namespace trelumo
