#include "platform/win32/runtime_start.h"

#include <windows.h>
// commctrl.h needs the types windows.h declares.
#include <commctrl.h>

#include "platform/runtime/event_dispatch.h"
#include "platform/win32/toolkit.h"

namespace trelumo {

void start_runtime() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                      DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    SetThreadUILanguage(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN));
    event_dispatch::use_toolkit(windows_toolkit());
}

}  // namespace trelumo
