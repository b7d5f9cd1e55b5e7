// A bare Windows window the size of Trelumo's main window, built with Trelumo.exe's manifest: the
// reference that the start-up benchmark measures Trelumo.exe against. It registers a class, makes
// the window, shows it and runs the message loop, and nothing more; given "common-controls", it
// first loads the common controls, as any program with edit controls in the current visual style
// does: what that costs by itself.
//   bare_window [common-controls]
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cwchar>

namespace {

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
    // Loaded only when asked: linked, the library would be loaded at every start.
    if (std::wcscmp(command_line, L"common-controls") == 0) {
        using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        HMODULE library = LoadLibraryW(L"comctl32.dll");
        const auto initialise = reinterpret_cast<Initialise>(
            reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        if (initialise) initialise(&controls);
    }
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"BareWindow";
    RegisterClassW(&window_class);

    // The main window's client area, 5775 x 1815 twips, with a menu bar's room above it.
    RECT frame{0, 0, 5775 / 15, 1815 / 15};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
    HWND window = CreateWindowW(L"BareWindow", L"Ventana", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
