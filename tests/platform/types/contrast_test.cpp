// Whether a text reads on its ground, by WCAG 2.x's contrast ratio, and the colour a text of a
// stored layout is drawn in: its own where it reads, the theme's made for the ground where not.
#include "platform/types/contrast.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

struct RatioCase {
    const char* name;
    Rgb a, b;
    double ratio;  // as WCAG's own examples and contrast checkers give it
};

class ContrastRatioTest : public testing::TestWithParam<RatioCase> {};

TEST_P(ContrastRatioTest, IsWcagsRatioEitherWayRound) {
    EXPECT_NEAR(contrast_ratio(GetParam().a, GetParam().b), GetParam().ratio, 0.005);
    EXPECT_NEAR(contrast_ratio(GetParam().b, GetParam().a), GetParam().ratio, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContrastRatioTest,
    testing::Values(
        RatioCase{"black_on_white", {0, 0, 0}, {255, 255, 255}, 21.0},
        RatioCase{"the_same_colour", {0x30, 0x8C, 0xC6}, {0x30, 0x8C, 0xC6}, 1.0},
        RatioCase{"grey_just_short_of_readable", {0x77, 0x77, 0x77}, {255, 255, 255}, 4.48},
        RatioCase{"blue_on_black", {0, 0, 255}, {0, 0, 0}, 2.44},
        RatioCase{"white_on_windows_own_selection", {255, 255, 255}, {0, 120, 215}, 4.499}),
    table::RowName());

// What the colour values draw on a dark desktop: its dialog face black, its button text white.
Rgb drawn_on_a_dark_desktop(ColourValue value) {
    const std::map<ColourValue, Rgb> system{{button_face_colour, {0, 0, 0}},
                                            {button_text_colour, {255, 255, 255}},
                                            {window_colour, {255, 255, 255}}};
    return value & system_colour_flag ? system.at(value) : rgb_of(value);
}

struct TextColourCase {
    const char* name;
    ColourValue own;
    ColourValue ground;
    bool high_contrast;
    ColourValue drawn_in;
};

class ReadableTextColourTest : public testing::TestWithParam<TextColourCase> {};

TEST_P(ReadableTextColourTest, IsTheLayoutsOwnWhereItReads) {
    EXPECT_EQ(readable_text_colour(GetParam().own, GetParam().ground, GetParam().high_contrast,
                                   drawn_on_a_dark_desktop),
              GetParam().drawn_in);
}

constexpr ColourValue black = 0x00000000;
constexpr ColourValue blue = 0x00FF0000;

INSTANTIATE_TEST_SUITE_P(
    Table, ReadableTextColourTest,
    testing::Values(TextColourCase{"black_on_a_white_ground", black, window_colour, false, black},
                    TextColourCase{"blue_on_a_white_ground", blue, window_colour, false, blue},
                    TextColourCase{"black_on_a_black_face", black, button_face_colour, false,
                                   button_text_colour},
                    TextColourCase{"blue_on_a_black_face", blue, button_face_colour, false,
                                   button_text_colour},
                    TextColourCase{"black_on_white_in_high_contrast", black, window_colour, true,
                                   window_text_colour}),
    table::RowName());

TEST(ReadableOn, KeepsAReadableColourElseTakesBlackOrWhite) {
    const Rgb white{255, 255, 255};
    const Rgb fusion_selection{0x30, 0x8C, 0xC6};
    const Rgb dark_selection{0x12, 0x60, 0x8A};
    EXPECT_EQ(colour_value_of(readable_on(dark_selection, white)), colour_value_of(white));
    EXPECT_EQ(colour_value_of(readable_on(fusion_selection, white)), 0x000000u);
    EXPECT_EQ(colour_value_of(readable_on({0x20, 0x20, 0x20}, {0x40, 0x40, 0x40})), 0xFFFFFFu);
}

}  // namespace
}  // namespace trelumo
