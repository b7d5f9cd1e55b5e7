#include "platform/runtime/layout_scale.h"

#include <gtest/gtest.h>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

// "Pesetas:"'s label, 855 twips wide, and the main window's client area, 5775 x 1815 twips, in
// pixels, for a user's font at a DPI.
struct ScaleCase {
    const char* name;
    double dpi;
    FontMeasure font;
    int label_width;
    int client_width;
    int client_height;
};

using table::PrintTo;

class LayoutScaleTable : public testing::TestWithParam<ScaleCase> {};

TEST_P(LayoutScaleTable, GrowsTheLayoutAsMuchAsTheFontIsLargerThanItsOwn) {
    const ScaleCase& row = GetParam();
    const LayoutScale scale(row.dpi, row.font);
    EXPECT_EQ(scale.pixels(855), row.label_width);
    EXPECT_EQ(scale.pixels(5775), row.client_width);
    EXPECT_EQ(scale.pixels(1815), row.client_height);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, LayoutScaleTable,
    testing::Values(
        // The default fonts leave the layout as drawn, at every DPI (halves rounded up).
        ScaleCase{"DejaVuSans9At96", 96, {7.405, 13.97}, 57, 385, 121},
        ScaleCase{"Tahoma8At96", 96, {5.6, 13}, 57, 385, 121},
        ScaleCase{"Tahoma8At144", 144, {8.4, 19.5}, 86, 578, 182},
        ScaleCase{"DejaVuSans9At192", 192, {14.8, 27.9}, 114, 770, 242},
        // A larger font grows it by as much, its height or its width, whichever grew more, and a
        // twentieth more.
        ScaleCase{"DejaVuSans11At96", 96, {9.257, 17.45}, 75, 504, 158},
        ScaleCase{"DejaVuSans18At96", 96, {14.81, 27.94}, 119, 807, 254},
        ScaleCase{"WiderNotTaller", 96, {9.0, 14}, 72, 485, 152},
        ScaleCase{"TallerNotWider", 96, {7.5, 21}, 90, 606, 191},
        ScaleCase{"Tahoma16At192", 192, {22.4, 54}, 231, 1559, 490},
        // A smaller font never shrinks it.
        ScaleCase{"Smaller", 96, {4, 9}, 57, 385, 121}),
    table::RowName());

TEST(LayoutScale, WithoutAFontIsTheLayoutAsDrawn) {
    EXPECT_EQ(LayoutScale(96).pixels(855), 57);
    EXPECT_EQ(LayoutScale(144).pixels(855), 86);
    EXPECT_EQ(LayoutScale(96, layout_font), LayoutScale(96));
}

}  // namespace
}  // namespace trelumo
