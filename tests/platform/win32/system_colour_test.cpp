// Colour values as the Windows layer paints them: system colours are the desktop's own, others
// are read blue, green, red from the high byte down; a control's text is drawn in the colour made
// to be read on its background, or in its own where that reads there; a window follows the
// desktop's colours when they change.
#include "platform/win32/system_colour.h"

#include <gtest/gtest.h>

#include <array>
#include <span>

#include "platform/win32/stored_layout.h"
#include "test_window.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

struct SystemColourCase {
    const char* name;
    ColourValue value;
    int system_index;
};

class SystemColourTest : public testing::TestWithParam<SystemColourCase> {};

TEST_P(SystemColourTest, IsTheDesktopsOwn) {
    EXPECT_EQ(colour_of(GetParam().value), GetSysColor(GetParam().system_index));
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(brush_of(GetParam().value), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, GetSysColor(GetParam().system_index));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SystemColourTest,
    testing::Values(SystemColourCase{"highlight", tooltip_colour, COLOR_INFOBK},
                    SystemColourCase{"normal", window_colour, COLOR_WINDOW},
                    SystemColourCase{"main_window", scroll_bar_colour, COLOR_SCROLLBAR},
                    SystemColourCase{"button_face", 0x8000000F, COLOR_BTNFACE}),
    trelumo::table::RowName());

struct RgbCase {
    const char* name;
    ColourValue value;
    COLORREF colour;
};

class RgbColourTest : public testing::TestWithParam<RgbCase> {};

TEST_P(RgbColourTest, IsReadBlueGreenRedFromTheHighByteDown) {
    EXPECT_EQ(colour_of(GetParam().value), GetParam().colour);
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(brush_of(GetParam().value), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Table, RgbColourTest,
                         testing::Values(RgbCase{"pure_blue", 0x00FF0000, RGB(0, 0, 255)},
                                         RgbCase{"pure_red", 0x000000FF, RGB(255, 0, 0)},
                                         RgbCase{"dark_grey", 0x00808080, RGB(128, 128, 128)}),
                         trelumo::table::RowName());

// A high-contrast scheme of the desktop's, each text colour its own, for the life of a test.
class ContrastScheme {
public:
    ContrastScheme() {
        for (std::size_t i = 0; i < indexes_.size(); ++i) saved_[i] = GetSysColor(indexes_[i]);
        const std::array<COLORREF, 6> scheme{RGB(0, 0, 0),     RGB(255, 255, 255), RGB(0, 0, 0),
                                             RGB(255, 255, 0), RGB(0, 0, 0),       RGB(0, 255, 0)};
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), scheme.data());
    }
    ~ContrastScheme() {
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), saved_.data());
    }

private:
    const std::array<int, 6> indexes_{COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_INFOBK,
                                      COLOR_INFOTEXT, COLOR_SCROLLBAR,  COLOR_BTNTEXT};
    std::array<COLORREF, 6> saved_{};
};

struct TextColourCase {
    const char* name;
    ControlKind kind;
    ColourValue back_colour;  // set on the control, as the amount fields' highlight is
    ColourValue fore_colour;  // the layout's own, as the About window's labels have
    ColourValue text;
};

class TextColourTest : public testing::TestWithParam<TextColourCase> {};

TEST_P(TextColourTest, IsTheOneMadeForTheBackgroundUnlessItsOwnReads) {
    const ContrastScheme scheme;
    testing_win32::TestWindow window;
    ControlLayout layout{};
    layout.kind = GetParam().kind;
    layout.width = 600;
    layout.height = 300;
    layout.fore_colour = GetParam().fore_colour;
    const WindowLayout window_layout{.controls = std::span(&layout, 1)};
    StoredLayout controls;
    controls.create(window.hwnd(), window_layout, USER_DEFAULT_SCREEN_DPI);
    if (GetParam().back_colour != no_colour) controls.set_back_colour(0, GetParam().back_colour);
    const HDC dc = CreateCompatibleDC(nullptr);
    controls.colours(controls[0], dc, scroll_bar_colour);
    EXPECT_EQ(GetTextColor(dc), colour_of(GetParam().text));
    DeleteDC(dc);
}

constexpr ColourValue white = 0x00FFFFFF;
constexpr ColourValue black = 0x00000000;
constexpr ColourValue blue = 0x00FF0000;

INSTANTIATE_TEST_SUITE_P(
    Table, TextColourTest,
    testing::Values(
        TextColourCase{"highlighted_field", ControlKind::text_field, tooltip_colour, no_colour,
                       tooltip_text_colour},
        TextColourCase{"field", ControlKind::text_field, no_colour, no_colour, window_text_colour},
        TextColourCase{"result", ControlKind::label, window_colour, no_colour, window_text_colour},
        TextColourCase{"label_on_the_window", ControlKind::label, no_colour, no_colour,
                       button_text_colour},
        TextColourCase{"blue_label_on_white", ControlKind::label, white, blue, blue},
        TextColourCase{"black_label_on_the_black_window", ControlKind::label, no_colour, black,
                       button_text_colour},
        TextColourCase{"blue_label_on_the_black_window", ControlKind::label, no_colour, blue,
                       button_text_colour}),
    trelumo::table::RowName());

// State: a window shown. Action: the desktop's colours change. Expected: the window's ground is
// painted in the new colour.
TEST(DesktopColoursTest, AreFollowedWhenTheyChange) {
    testing_win32::TestWindow window;
    const ContrastScheme scheme;
    const auto ground =
        reinterpret_cast<HBRUSH>(GetClassLongPtrW(window.hwnd(), GCLP_HBRBACKGROUND));
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(ground, sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace trelumo
