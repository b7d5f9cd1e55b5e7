#include "core/amount_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/fake_amount_view.h"

namespace trelumo {
namespace {

constexpr AmountField euro = AmountField::euro;
constexpr AmountField pts = AmountField::pts;

// The main window as it starts: 0,00 and 0 written, then the focus given to the euro field.
class AmountFieldsTest : public ::testing::Test {
protected:
    AmountFieldsTest() {
        view.connect(fields);
        view.focus(euro);
    }

    std::string text(AmountField field) const { return view.field(field).text; }

    Conversion conversion;
    FakeAmountView view{"0,00", "0"};
    AmountFields fields{view, conversion};
};

TEST_F(AmountFieldsTest, StartsWithEuroFieldHighlightedAndSelected) {
    EXPECT_EQ(text(euro), "0,00");
    EXPECT_EQ(view.field(euro).background, highlight_colour);
    EXPECT_EQ(view.field(euro).selection_length, 4);
    EXPECT_EQ(view.caption(), "");
    EXPECT_FALSE(view.arrow_visible(Arrow::left) || view.arrow_visible(Arrow::right));
}

TEST_F(AmountFieldsTest, NonNumericEditEmptiesTheField) {
    for (const AmountField field : {euro, pts}) {
        view.focus(field);
        const int changes = view.field(field).change_count;
        view.type(field, "1");
        view.type(field, "1a");
        EXPECT_EQ(text(field), "");
        EXPECT_EQ(view.field(field).change_count, changes + 3);  // "1", "1a", then "" once
        view.type(field, "7");
        EXPECT_EQ(text(field), "7");
    }
}

TEST_F(AmountFieldsTest, LeavingAnEmptyFieldWritesZero) {
    const struct {
        AmountField field;
        const char* zero;
        const char* sentence;
    } cases[] = {
        {euro, "0,00", "0,00 Euros  =  0 Ptas."},
        {pts, "0", "0 Ptas.  =  0,00 Euros"},
    };
    for (const auto& c : cases) {
        view.focus(c.field);
        view.type(c.field, "");
        view.tab();
        EXPECT_EQ(text(c.field), c.zero);
        EXPECT_EQ(view.caption(), c.sentence);
    }
}

TEST_F(AmountFieldsTest, TabFromEuroFieldConvertsToPesetas) {
    view.type(euro, "1");
    view.tab();
    EXPECT_EQ(text(euro), "1,00");
    EXPECT_EQ(view.field(euro).background, normal_colour);
    EXPECT_EQ(view.caption(), "1,00 Euros  =  166 Ptas.");
    EXPECT_TRUE(view.arrow_visible(Arrow::right));
    EXPECT_FALSE(view.arrow_visible(Arrow::left));
    EXPECT_EQ(text(pts), "166");
    EXPECT_EQ(view.field(pts).background, highlight_colour);
    EXPECT_EQ(view.field(pts).selection_start, 0);
    EXPECT_EQ(view.field(pts).selection_length, 3);
}

TEST_F(AmountFieldsTest, PesetasThereAndBackLoseTheHalfPeseta) {
    view.focus(pts);
    view.type(pts, "102");
    view.tab();
    EXPECT_EQ(text(euro), "0,61");
    EXPECT_EQ(view.caption(), "102 Ptas.  =  0,61 Euros");
    EXPECT_TRUE(view.arrow_visible(Arrow::left));
    EXPECT_FALSE(view.arrow_visible(Arrow::right));
    view.tab();
    EXPECT_EQ(text(pts), "101");

    const int euro_changes = view.field(euro).change_count;
    const int pts_changes = view.field(pts).change_count;
    for (int i = 0; i < 4; ++i) view.tab();
    EXPECT_EQ(text(euro), "0,61");
    EXPECT_EQ(text(pts), "101");
    EXPECT_EQ(view.field(euro).change_count, euro_changes);
    EXPECT_EQ(view.field(pts).change_count, pts_changes);
    EXPECT_EQ(view.caption(), "0,61 Euros  =  101 Ptas.");
}

TEST(AmountFields, SelectsCharactersNotBytes) {
    const Conversion arabic(Separators{"\u066B", "\u066C"});
    FakeAmountView view{"0", "0"};
    AmountFields fields{view, arabic};
    view.connect(fields);
    view.focus(pts);
    view.type(pts, "1000000");
    view.tab();
    EXPECT_EQ(view.field(euro).text, "6\u066C010\u066B12");
    EXPECT_EQ(view.field(euro).selection_length, 8);
}

TEST_F(AmountFieldsTest, OverflowStopsTheHandlerAndLaterConversionsWork) {
    view.type(euro, "1" + std::string(307, '0'));
    view.tab();
    EXPECT_EQ(view.errors(), (std::vector<int>{6, 6}));  // euro LostFocus, then pts GotFocus
    EXPECT_EQ(view.caption(), "");
    EXPECT_FALSE(view.arrow_visible(Arrow::right));
    EXPECT_EQ(text(pts), "0");

    view.type(pts, "2");
    view.tab();
    EXPECT_EQ(view.caption(), "2 Ptas.  =  0,01 Euros");
    EXPECT_EQ(text(euro), "0,01");
}

}  // namespace
}  // namespace trelumo
