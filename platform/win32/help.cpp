#include "platform/win32/help.h"

#include <windows.h>

#include <memory>

#include "platform/win32/application_object.h"
#include "platform/win32/help_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"
#include "platform/win32/window_placement.h"

namespace trelumo {
namespace {

constexpr int text_id = 100;

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
    return folder + L"\\" + name;
}

// Paths and the file are handled with the Windows API, not std::filesystem nor a file stream:
// those bring the C++ library's locale machinery, most of the program's size, into the program.
std::string read_file(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    LARGE_INTEGER size{};
    DWORD read = 0;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 30)) {
        content.resize(static_cast<std::size_t>(size.QuadPart));
        if (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr))
            read = 0;
        content.resize(read);
    }
    CloseHandle(file);
    return content;
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

    void open(const std::wstring& document) {
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

void say_missing(const std::string& help_file, const std::wstring& sought) {
    std::wstring places;
    for (const auto& folder : help_folders()) places += L"\n" + joined(folder, sought);
    const std::wstring text =
        wide("No se encuentra el archivo de ayuda «" + help_file + "». Se ha buscado en:") + places;
    MessageBoxW(GetActiveWindow(), text.c_str(), wide(app::title()).c_str(),
                MB_OK | MB_ICONWARNING);
}

// The help file name's stem, in lower case, with .html: "TRELUMO.HLP" stands for trelumo.html.
std::wstring document_name(const std::string& help_file) {
    std::wstring base = wide(help_file);
    base.erase(0, base.find_last_of(L"\\/:") + 1);
    if (const auto dot = base.rfind(L'.'); dot != std::wstring::npos && dot > 0) base.resize(dot);
    if (base == L"." || base == L"..") base.clear();
    CharLowerBuffW(base.data(), static_cast<DWORD>(base.size()));
    return base.empty() ? std::wstring() : base + L".html";
}

}  // namespace

std::vector<std::wstring> help_folders() {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder = program;
    const auto separator = folder.find_last_of(L"\\/");
    folder.resize(separator == std::wstring::npos ? 0 : separator);
    return {joined(folder, L"help"), folder};
}

std::wstring help_document_path(const std::string& help_file,
                                const std::vector<std::wstring>& folders) {
    const std::wstring name = document_name(help_file);
    if (name.empty()) return {};
    for (const auto& folder : folders) {
        const std::wstring path = joined(folder, name);
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return path;
    }
    return {};
}

void show_help(const std::string& help_file) {
    const std::wstring document = help_document_path(help_file);
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
