#include "platform/win32/help.h"

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "platform/win32/application_object.h"
#include "platform/win32/help_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"
#include "platform/win32/window_placement.h"

namespace trelumo {
namespace {

constexpr int text_id = 100;

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

/// A modeless window with the help document's text; it does not keep the program running.
class HelpWindow : public Window {
public:
    HelpWindow() {
        create({.class_name = L"TrelumoHelp",
                .style = WS_OVERLAPPEDWINDOW,
                .ex_style = 0,
                .client_width = 560 * 15,
                .client_height = 520 * 15,
                .background = window_colour,
                .keeps_program_running = false},
               "Ayuda de " + app::title());
        text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                                    ES_READONLY | ES_AUTOVSCROLL,
                                0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(text_id),
                                GetModuleHandleW(nullptr), nullptr);
        set_initial_focus(text_);
        set_font(dpi());
        fit_text();
        centre_on_screen(hwnd());
    }

    void open(const std::filesystem::path& document) {
        const std::wstring text = wide(text_of_html(read_file(document)));
        SetWindowTextW(text_, text.c_str());
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
            case WM_DESTROY:
                if (font_) DeleteObject(font_);
                break;
            default:
                break;
        }
        return Window::handle_message(message, w, l);
    }

    void dpi_changed(UINT dpi) override { set_font(dpi); }

    void set_font(UINT dpi) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
        const HFONT old = font_;
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
        SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        if (old) DeleteObject(old);
    }

    void fit_text() {
        RECT client{};
        GetClientRect(hwnd(), &client);
        MoveWindow(text_, 0, 0, client.right, client.bottom, TRUE);
    }

    HWND text_ = nullptr;
    HFONT font_ = nullptr;
};

std::unique_ptr<HelpWindow> help_window;

void say_missing(const std::string& help_file, const std::filesystem::path& sought) {
    std::wstring places;
    for (const auto& folder : help_folders()) places += L"\n" + (folder / sought).wstring();
    const std::wstring text =
        wide("No se encuentra el archivo de ayuda «" + help_file + "». Se ha buscado en:") + places;
    MessageBoxW(GetActiveWindow(), text.c_str(), wide(app::title()).c_str(),
                MB_OK | MB_ICONWARNING);
}

std::filesystem::path document_name(const std::string& help_file) {
    std::wstring base = std::filesystem::path(wide(help_file)).stem().wstring();
    CharLowerBuffW(base.data(), static_cast<DWORD>(base.size()));
    return base.empty() ? std::filesystem::path() : std::filesystem::path(base + L".html");
}

}  // namespace

std::vector<std::filesystem::path> help_folders() {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(program).parent_path();
    return {folder / L"help", folder};
}

std::filesystem::path help_document_path(const std::string& help_file,
                                         const std::vector<std::filesystem::path>& folders) {
    const std::filesystem::path name = document_name(help_file);
    if (name.empty()) return {};
    for (const auto& folder : folders) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / name, error)) return folder / name;
    }
    return {};
}

void show_help(const std::string& help_file) {
    const std::filesystem::path document = help_document_path(help_file);
    if (document.empty()) {
        say_missing(help_file, document_name(help_file));
        return;
    }
    if (!help_window) {
        help_window = std::make_unique<HelpWindow>();
        help_window->on_destroyed([] { help_window.reset(); });
    }
    help_window->open(document);
}

}  // namespace trelumo
