// A window of the program's follows the user's message font (Settings > Accessibility > Text
// size) while it is open, as Windows announces the change to every window.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_window.h"

namespace trelumo {
namespace {

// As the Settings app does: kept in the user's profile, and announced to every window.
void set_message_font(const NONCLIENTMETRICSW& metrics) {
    NONCLIENTMETRICSW copy = metrics;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof copy, &copy,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

SIZE client_size(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Twice the default font (Tahoma at 22 pixels, a line of 25 against the layout's 14) grows an
// open window by more than half, and the default brings it back.
TEST(MessageFont, TwiceAsLargeGrowsAnOpenWindowAndTheDefaultBringsItBack) {
    NONCLIENTMETRICSW normal{};
    normal.cbSize = sizeof normal;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof normal, &normal, 0));
    testing_win32::TestWindow window;
    const SIZE drawn = client_size(window.hwnd());

    NONCLIENTMETRICSW larger = normal;
    larger.lfMessageFont.lfHeight *= 2;
    set_message_font(larger);
    const SIZE grown = client_size(window.hwnd());
    set_message_font(normal);

    EXPECT_GT(grown.cx, drawn.cx * 3 / 2);
    EXPECT_GT(grown.cy, drawn.cy * 3 / 2);
    const SIZE back = client_size(window.hwnd());
    EXPECT_EQ(back.cx, drawn.cx);
    EXPECT_EQ(back.cy, drawn.cy);
}

}  // namespace
}  // namespace trelumo
