#include "platform/win32/help.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "platform/runtime/program_texts.h"
#include "platform/types/stored_layout.h"
#include "platform/win32/application_object.h"
#include "platform/win32/message_box.h"
#include "platform/win32/message_font.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"
#include "platform/win32/window_placement.h"

namespace trelumo {
namespace {

constexpr int text_id = 100;

/// A modeless window with the help document's text; it does not keep the program running.
class HelpWindow : public Window {
public:
    HelpWindow() {
        create({.class_name = L"TrelumoHelp",
                .style = WS_OVERLAPPEDWINDOW,
                .ex_style = 0,
                .client_width = 560 * twips_per_pixel,
                .client_height = 520 * twips_per_pixel,
                .background = window_colour,
                .keeps_program_running = false},
               texts::help_title(app::title()));
        text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                                    ES_READONLY | ES_AUTOVSCROLL,
                                0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(text_id),
                                GetModuleHandleW(nullptr), nullptr);
        set_font(dpi());
        fit_text();
        centre_on_screen(hwnd());
    }

    void open(std::string_view document) {
        SetWindowTextW(text_, wide(document).c_str());
        show();
        SetFocus(text_);
    }

private:
    LRESULT handle_message(UINT message, WPARAM w, LPARAM l) override {
        switch (message) {
            case WM_SIZE:
                fit_text();
                return 0;
            case WM_CTLCOLORSTATIC:
                SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            default:
                break;
        }
        return Window::handle_message(message, w, l);
    }

    void layout_changed(UINT dpi) override { set_font(dpi); }

    void set_font(UINT dpi) {
        SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(message_font(dpi)), TRUE);
    }

    void fit_text() {
        RECT client{};
        GetClientRect(hwnd(), &client);
        MoveWindow(text_, 0, 0, client.right, client.bottom, TRUE);
    }

    HWND text_ = nullptr;
};

std::unique_ptr<HelpWindow> help_window;

// The text of a document the program carries, in UTF-8, as the build made it from the HTML.
std::optional<std::string_view> carried_document(const std::string& name) {
    const HRSRC found = FindResourceW(nullptr, wide(name).c_str(), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (!loaded) return std::nullopt;
    return std::string_view(static_cast<const char*>(LockResource(loaded)),
                            SizeofResource(nullptr, found));
}

}  // namespace

void show_help(const std::string& help_file) {
    const std::string name = texts::help_document_name(help_file);
    const auto document = carried_document(name);
    if (!document) {
        const std::string text = "No se encuentra la ayuda «" + name + "» en el programa.";
        show_message(GetActiveWindow(), text, MB_ICONWARNING);
        return;
    }
    if (!help_window) {
        help_window = std::make_unique<HelpWindow>();
        help_window->on_destroyed([] { help_window.reset(); });
    }
    help_window->open(*document);
}

}  // namespace trelumo
