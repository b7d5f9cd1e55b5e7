// Starts a Windows program and times it to its first paint: from CreateProcess until the program
// waits for input with a visible window that has nothing left to paint. Then prints that time in
// milliseconds and the program's peak working set in KiB, and ends the program.
//   startup_timer PROGRAM.exe [ARGUMENT]
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process_id;
    HWND window;
};

BOOL CALLBACK find_visible_window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process_id && IsWindowVisible(window)) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

double milliseconds_since(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fputs("usage: startup_timer PROGRAM.exe [ARGUMENT]\n", stderr);
        return 2;
    }
    std::wstring command_line = L"\"" + std::wstring(argv[1]) + L"\"";
    if (argc == 3) command_line += L" " + std::wstring(argv[2]);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program: error %lu\n", GetLastError());
        return 1;
    }

    Search search{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 20000; ++tries) {
        const bool idle = WaitForInputIdle(process.hProcess, 10) == 0;
        search.window = nullptr;
        EnumWindows(find_visible_window, reinterpret_cast<LPARAM>(&search));
        if (idle && search.window && !GetUpdateRect(search.window, nullptr, FALSE)) break;
        Sleep(1);
    }
    const double elapsed = milliseconds_since(start);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!search.window) {
        std::fputs("the program showed no window\n", stderr);
        return 1;
    }
    std::printf("%.3f %zu\n", elapsed, memory.PeakWorkingSetSize / 1024);
    return 0;
}
