// Colour values as the Windows layer paints them: system colours are the desktop's own, others
// are read blue, green, red from the high byte down.
#include "platform/win32/system_colour.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trelumo
