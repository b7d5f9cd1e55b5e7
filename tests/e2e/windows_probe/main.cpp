// windows_probe: answers the end-to-end tests' questions that only Windows itself can, for
// Trelumo.exe under Wine.
//   windows_probe text PICTURE.bmp TEXT [font=FAMILY] [points=N] [bold] [colour=#rrggbb]
//                      [background=#rrggbb]
//       draws TEXT as a Windows program draws it: through GDI, in black on white and in the
//       system's message font (a window's default font) unless told, and saves it as a 32-bit
//       BMP that screen_probe compares with a screenshot
//   windows_probe client TITLE
//       prints where the client area of the window titled TITLE starts on the screen, "x y"
//   windows_probe activate TITLE
//       makes the window titled TITLE the active one, as a click on it does
//   windows_probe active
//       prints the title of the active window
//   windows_probe clipboard
//       prints the text on Windows' clipboard, in UTF-8
//   windows_probe copy
//       puts the text read from its input, in UTF-8, on Windows' clipboard, each line end as
//       Windows writes it (CR LF), as a program does when the user copies the text there
//   windows_probe message_texts TITLE
//       prints the texts of each message box titled TITLE, its message and its buttons, one a
//       line, in the order of its controls
//   windows_probe controls TITLE
//       prints what a screen reader finds in the window titled TITLE: its visible controls in the
//       order it reads them (the z-order, from the top), one line each, "role | name | value |
//       description | states"
//   windows_probe listen
//       prints "ready" once it hears what a screen reader hears, then, until it is ended, a line
//       for each object that takes the focus, "focus | " and the object's line as above, and for
//       each live region to be read out, "live | " and its line
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After <windows.h>, which it needs.
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <deque>
#include <string>

namespace {

bool save_bmp(const wchar_t* path, int width, int height, const void* pixels) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = static_cast<DWORD>(width) * height * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = _wfopen(path, L"wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels, bytes, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

COLORREF colour_named(const std::wstring& hex) {
    const unsigned long rgb = std::stoul(hex, nullptr, 16);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::string utf8(const std::wstring& wide) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
}

// What a screen reader reads of an accessible object, on one line.
std::string reader_line(IAccessible* object, VARIANT child) {
    // The text a call gave back, read once the call is made.
    const auto text = [](HRESULT result, BSTR& value) {
        std::string read = result == S_OK && value ? utf8(value) : std::string();
        SysFreeString(value);
        value = nullptr;
        return read;
    };
    BSTR value = nullptr;
    VARIANT number{};
    std::string role = "(no role)";
    if (object->get_accRole(child, &number) == S_OK && number.vt == VT_I4) {
        switch (number.lVal) {
            case ROLE_SYSTEM_TEXT:
                role = "text";
                break;
            case ROLE_SYSTEM_STATICTEXT:
                role = "static text";
                break;
            case ROLE_SYSTEM_GRAPHIC:
                role = "graphic";
                break;
            case ROLE_SYSTEM_PUSHBUTTON:
                role = "push button";
                break;
            default:
                role = "role " + std::to_string(number.lVal);
                break;
        }
    }
    std::string line = role + " | " + text(object->get_accName(child, &value), value);
    line += " | " + text(object->get_accValue(child, &value), value);
    line += " | " + text(object->get_accDescription(child, &value), value) + " |";
    VariantInit(&number);
    if (object->get_accState(child, &number) == S_OK && number.vt == VT_I4) {
        if (number.lVal & STATE_SYSTEM_FOCUSED) line += " focused";
        if (number.lVal & STATE_SYSTEM_DEFAULT) line += " default";
    }
    return line;
}

VARIANT self() {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

int controls_command(const wchar_t* title) {
    const HWND window = FindWindowW(nullptr, title);
    if (!window) {
        std::fprintf(stderr, "no window titled %ls\n", title);
        return 1;
    }
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control)) continue;
        IAccessible* object = nullptr;
        if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&object)) != S_OK) {
            std::puts("(no accessible object)");
            continue;
        }
        std::printf("%s\n", reader_line(object, self()).c_str());
        object->Release();
    }
    return 0;
}

// Newer than MinGW-w64's headers: the event that has readers read a live region out.
constexpr DWORD live_region_changed = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

struct Heard {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};
std::deque<Heard> heard_events;

// Keeps each event in the order it comes: asking a program for an object lets the next event in
// before the answer.
void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                    DWORD) {
    heard_events.push_back({event, window, object, child});
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void read_out_heard() {
    static bool reading = false;
    if (reading) return;
    reading = true;
    while (!heard_events.empty()) {
        const Heard event = heard_events.front();
        heard_events.pop_front();
        IAccessible* object = nullptr;
        VARIANT child{};
        if (AccessibleObjectFromEvent(event.window, event.object, event.child, &object, &child) !=
            S_OK)
            continue;
        std::printf("%s | %s\n", event.event == EVENT_OBJECT_FOCUS ? "focus" : "live",
                    reader_line(object, child).c_str());
        std::fflush(stdout);
        object->Release();
    }
    reading = false;
}

int listen_command() {
    // Events from other programs come to this thread's message queue, as a screen reader's do.
    const HWINEVENTHOOK focus = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
                                                heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    const HWINEVENTHOOK live = SetWinEventHook(live_region_changed, live_region_changed, nullptr,
                                               heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!focus || !live) return 1;
    std::puts("ready");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
        read_out_heard();
    }
    return 0;
}

int usage() {
    std::fputs(
        "usage: windows_probe text PICTURE.bmp TEXT [font=FAMILY] [points=N] [bold]"
        " [colour=#rrggbb] [background=#rrggbb]\n"
        "       windows_probe client|activate TITLE\n"
        "       windows_probe controls TITLE\n"
        "       windows_probe active|clipboard|copy|listen\n"
        "       windows_probe message_texts TITLE\n",
        stderr);
    return 2;
}

int window_command(const std::wstring& command, const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (!window) {
        std::fprintf(stderr, "no window titled %ls\n", title);
        return 1;
    }
    if (command == L"activate") return SetForegroundWindow(window) ? 0 : 1;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}

int active_command() {
    wchar_t title[256] = L"";
    GetWindowTextW(GetForegroundWindow(), title, 256);
    std::printf("%ls\n", title);
    return 0;
}

int clipboard_command() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = utf8(wide);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int copy_command() {
    _setmode(_fileno(stdin), _O_BINARY);
    std::string text;
    char chunk[4096];
    while (const std::size_t read = std::fread(chunk, 1, sizeof chunk, stdin))
        text.append(chunk, read);
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(
                          CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    std::wstring lines;
    for (const wchar_t c : wide) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    // The clipboard takes data only from a window's owner, even one that is never shown.
    const HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!owner || !data || !OpenClipboard(owner)) return 1;
    std::memcpy(GlobalLock(data), lines.c_str(), bytes);
    GlobalUnlock(data);
    const bool copied = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    DestroyWindow(owner);
    return copied ? 0 : 1;
}

int text_command(int argc, wchar_t* argv[]) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    COLORREF colour = RGB(0, 0, 0), background = RGB(255, 255, 255);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (int i = 4; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option.starts_with(L"font=")) {
            wcsncpy(font.lfFaceName, option.c_str() + 5, LF_FACESIZE - 1);
            font.lfCharSet = ANSI_CHARSET;
        } else if (option.starts_with(L"points=")) {
            font.lfHeight = -MulDiv(std::stoi(option.substr(7)), dpi, 72);
        } else if (option == L"bold") {
            font.lfWeight = FW_BOLD;
        } else if (option.starts_with(L"colour=#")) {
            colour = colour_named(option.substr(8));
        } else if (option.starts_with(L"background=#")) {
            background = colour_named(option.substr(12));
        } else {
            std::fprintf(stderr, "unknown option %ls\n", option.c_str());
            return 2;
        }
    }

    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateFontIndirectW(&font);
    SelectObject(dc, handle);
    const std::wstring text = argv[3];
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int width = extent.cx + 40, height = extent.cy + 40;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH ground = CreateSolidBrush(background);
    FillRect(dc, &all, ground);
    DeleteObject(ground);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    TextOutW(dc, 20, 20, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();

    const bool saved = save_bmp(argv[2], width, height, pixels);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(handle);
    if (!saved) {
        std::fprintf(stderr, "cannot write %ls\n", argv[2]);
        return 1;
    }
    return 0;
}

// Prints the texts of every message box titled TITLE, each of its controls in order, one a line.
int message_texts_command(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        bool found = false;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(context);
            wchar_t text[512] = L"", class_name[64] = L"";
            GetWindowTextW(window, text, 512);
            GetClassNameW(window, class_name, 64);
            if (!IsWindowVisible(window) || std::wcscmp(text, search.title) != 0 ||
                std::wcscmp(class_name, L"#32770") != 0)
                return TRUE;
            search.found = true;
            for (HWND control = GetWindow(window, GW_CHILD); control;
                 control = GetWindow(control, GW_HWNDNEXT)) {
                const int size = GetWindowTextLengthW(control);
                std::wstring control_text(static_cast<std::size_t>(size), L'\0');
                GetWindowTextW(control, control_text.data(), size + 1);
                if (!control_text.empty()) std::printf("%s\n", utf8(control_text).c_str());
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    // Screen coordinates in pixels, as the program under test, which is DPI aware, sees them.
    SetProcessDPIAware();
    CoInitialize(nullptr);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"text" && argc >= 4) return text_command(argc, argv);
    if ((command == L"client" || command == L"activate") && argc == 3)
        return window_command(command, argv[2]);
    if (command == L"active" && argc == 2) return active_command();
    if (command == L"clipboard" && argc == 2) return clipboard_command();
    if (command == L"copy" && argc == 2) return copy_command();
    if (command == L"message_texts" && argc == 3) return message_texts_command(argv[2]);
    if (command == L"controls" && argc == 3) return controls_command(argv[2]);
    if (command == L"listen" && argc == 2) return listen_command();
    return usage();
}
