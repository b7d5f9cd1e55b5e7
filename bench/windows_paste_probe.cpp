// The time a paste into an amount field of Trelumo.exe's takes to answer, for a paste of an
// amount's size, of 160.000 characters and of a megabyte: the field's Change empties what can no
// longer become an amount, as the program's fields do. The clipboard holds digits.
//   windows_paste_probe   prints: one line a paste, characters and milliseconds
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/conversion.h"
#include "tests/platform/win32/test_window.h"

int wmain() {
    const trelumo::Conversion conversion;
    trelumo::testing_win32::TestWindow window;
    trelumo::AmountEdit& field = window.first;
    field.on_change([&] {
        if (!conversion.is_beginning(trelumo::Currency::euro, field.text())) field.set_text("");
    });
    for (const int size : {999, 160'000, 1 << 20}) {
        field.set_text("7");
        SendMessageW(field.hwnd(), EM_SETSEL, 0, -1);
        trelumo::testing_win32::put_on_clipboard(
            window.hwnd(), std::wstring(static_cast<std::size_t>(size), L'1'));
        const auto start = std::chrono::steady_clock::now();
        SendMessageW(field.hwnd(), WM_PASTE, 0, 0);
        const auto end = std::chrono::steady_clock::now();
        std::printf("%d %.2f\n", size,
                    std::chrono::duration<double, std::milli>(end - start).count());
    }
    return 0;
}
