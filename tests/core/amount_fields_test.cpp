#include "core/amount_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/fake_amount_view.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

constexpr AmountField euro = AmountField::euro;
constexpr AmountField pts = AmountField::pts;

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

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

TEST_F(AmountFieldsTest, OverflowLeavesNoStaleConversionShown) {
    view.type(euro, "1");
    view.tab();  // a conversion shown: 1,00 Euros  =  166 Ptas.
    view.tab();
    view.type(euro, "1" + std::string(307, '0'));
    view.tab();
    EXPECT_EQ(view.errors(), (std::vector<int>{6, 6}));  // euro LostFocus, then pts GotFocus
    EXPECT_EQ(text(euro), "10" + repeat(".000", 102) + ",00");
    EXPECT_EQ(view.caption(), "");
    EXPECT_FALSE(view.arrow_visible(Arrow::left) || view.arrow_visible(Arrow::right));
    EXPECT_EQ(text(pts), "");
    EXPECT_EQ(view.field(pts).background, highlight_colour);

    view.type(pts, "2");
    view.tab();
    EXPECT_EQ(view.caption(), "2 Ptas.  =  0,01 Euros");
    EXPECT_EQ(text(euro), "0,01");
}

const Separators es = spanish_separators();
const Separators en{".", ","};
const Separators fr{",", "\u202F"};
const Separators ch{".", "\u2019"};

using table::PrintTo;

enum class Input { typed, pasted };

// Input into one field of a window just started, then TAB.
struct InputCase {
    std::string_view name;
    Separators separators;
    AmountField field;
    Input how;
    std::string_view input;
    std::string_view shown;      // the field's text before TAB
    std::string_view tidied;     // the field's text after TAB
    std::string_view converted;  // the other field's, entered by TAB
};

class FieldInputTest : public testing::TestWithParam<InputCase> {
protected:
    FieldInputTest() : conversion(GetParam().separators) {
        view.connect(fields);
        view.focus(euro);
        if (GetParam().field == pts) view.tab();
    }

    // Keys one after the other at the end of the field; the first replaces its selected text.
    void type_keys(AmountField field, std::string_view keys) {
        std::string text;
        for (std::size_t end = 0; end < keys.size();) {
            std::size_t start = end++;
            while (end < keys.size() && (static_cast<unsigned char>(keys[end]) & 0xC0) == 0x80)
                ++end;
            text = (start == 0 ? std::string() : view.field(field).text) +
                   std::string(keys.substr(start, end - start));
            view.type(field, text);
        }
        if (keys.empty()) view.type(field, "");
    }

    Conversion conversion;
    FakeAmountView view{"0,00", "0"};
    AmountFields fields{view, conversion};
};

TEST_P(FieldInputTest, GivesTheAmountMeant) {
    const InputCase& row = GetParam();
    const AmountField other = row.field == euro ? pts : euro;
    if (row.how == Input::typed) {
        type_keys(row.field, row.input);
    } else {
        view.type(row.field, row.input);
    }
    EXPECT_EQ(view.field(row.field).text, row.shown);
    view.tab();
    EXPECT_EQ(view.field(row.field).text, row.tidied);
    EXPECT_EQ(view.field(other).text, row.converted);
    EXPECT_EQ(view.caption(),
              std::string(row.tidied) + (row.field == euro ? " Euros  =  " : " Ptas.  =  ") +
                  std::string(row.converted) + (row.field == euro ? " Ptas." : " Euros"));
    EXPECT_TRUE(view.errors().empty());
}

constexpr Input typed = Input::typed;
constexpr Input pasted = Input::pasted;

INSTANTIATE_TEST_SUITE_P(
    Table, FieldInputTest,
    testing::Values(
        InputCase{"LetterEmptiesTheField", es, euro, typed, "12a", "", "0,00", "0"},
        InputCase{"EmptyEuros", es, euro, typed, "", "", "0,00", "0"},
        InputCase{"EmptyPesetas", es, pts, typed, "", "", "0", "0,00"},
        InputCase{"CentsFromTheDecimalSeparator", es, euro, typed, ",50", ",50", "0,50", "83"},
        InputCase{"NegativeFromTheLeft", es, euro, typed, "-5,25", "-5,25", "-5,25", "-874"},
        InputCase{"PlusSign", es, euro, typed, "+5", "+5", "5,00", "832"},
        InputCase{"SpaceBetweenThousands", es, euro, typed, "1 234,5", "1 234,5", "1.234,50",
                  "205.404"},
        InputCase{"SpaceBetweenThousandsOfPesetas", es, pts, typed, "1 000", "1 000", "1.000",
                  "6,01"},
        InputCase{"NewlineAfter", es, euro, pasted, "1.234,50\n", "1.234,50\n", "1.234,50",
                  "205.404"},
        InputCase{"CarriageReturnLineFeedAfter", es, pts, pasted, "12\r\n", "12\r\n", "12", "0,07"},
        InputCase{"NoBreakSpaceAfter", es, euro, pasted, "12\u00A0", "12\u00A0", "12,00", "1.997"},
        InputCase{"EuroSign", es, euro, pasted, "1.234,50 \u20AC\n", "1.234,50 \u20AC\n",
                  "1.234,50", "205.404"},
        InputCase{"PtasInThePesetaField", es, pts, pasted, "1.000 Ptas.", "1.000 Ptas.", "1.000",
                  "6,01"},
        InputCase{"EuroSignInThePesetaField", es, pts, pasted, "1.000 \u20AC", "", "0", "0,00"},
        InputCase{"PtasInTheEuroField", es, euro, pasted, "5 Ptas.", "", "0,00", "0"},
        InputCase{"SignLeftAlone", es, pts, typed, "-", "-", "0", "0,00"},
        InputCase{"SignAndDecimalSeparatorLeftAlone", es, euro, typed, "-,", "-,", "0,00", "0"},
        InputCase{"EnglishCents", en, euro, typed, ".50", ".50", "0.50", "83"},
        InputCase{"EnglishNegative", en, pts, typed, "-1 000", "-1 000", "-1,000", "-6.01"},
        InputCase{"FrenchSpaceBetweenThousands", fr, euro, typed, "1 234,5", "1 234,5",
                  "1\u202F234,50", "205\u202F404"},
        InputCase{"FrenchNegativeCents", fr, euro, typed, "-,5", "-,5", "-0,50", "-83"},
        InputCase{"SwissApostrophe", ch, euro, typed, "1'234.5", "1'234.5", "1\u2019234.50",
                  "205\u2019404"},
        // A point that cannot group thousands is the decimal point typed on the main keyboard.
        InputCase{"PointBeforeOneDigit", es, euro, typed, "1.5", "1.5", "1,50", "250"},
        InputCase{"PointBeforeTwoDigits", es, euro, typed, "12.50", "12.50", "12,50", "2.080"},
        InputCase{"PointAfterZero", es, euro, typed, "0.5", "0.5", "0,50", "83"},
        InputCase{"PointBeforeFourDigits", es, euro, pasted, "1.2345", "1.2345", "1,23", "205"},
        InputCase{"PointOfPesetas", es, pts, typed, "1.5", "1.5", "2", "0,01"},
        InputCase{"PointBeforeAGroupOfThree", es, pts, typed, "1.500", "1.500", "1.500", "9,02"},
        InputCase{"SpaceOutOfPlaceIsNoAmount", es, euro, typed, "1 2", "1 2", "0,00", "0"},
        // Units and signs, typed key by key and pasted, give the same amount.
        InputCase{"MinusEuroSignTyped", es, euro, typed, "-\u20AC5", "-\u20AC5", "-5,00", "-832"},
        InputCase{"MinusEuroSignPasted", es, euro, pasted, "-\u20AC5", "-\u20AC5", "-5,00", "-832"},
        InputCase{"EurTyped", es, euro, typed, "5 EUR", "5 EUR", "5,00", "832"},
        InputCase{"EurosTyped", es, euro, typed, "5 euros", "5 euros", "5,00", "832"},
        InputCase{"EurosPasted", es, euro, pasted, "5 euros", "5 euros", "5,00", "832"},
        InputCase{"MinusSignTyped", es, euro, typed, "\u22125", "\u22125", "-5,00", "-832"},
        InputCase{"PtasTyped", es, pts, typed, "1.000 ptas", "1.000 ptas", "1.000", "6,01"},
        InputCase{"PtasPasted", es, pts, pasted, "1.000 ptas", "1.000 ptas", "1.000", "6,01"},
        InputCase{"PtsWithPeriodTyped", es, pts, typed, "1.000 Pts.", "1.000 Pts.", "1.000",
                  "6,01"},
        InputCase{"HalfAPeseta", es, pts, typed, "0,5 ptas", "0,5 ptas", "1", "0,01"},
        InputCase{"PtaSingular", es, pts, typed, "1 pta", "1 pta", "1", "0,01"},
        InputCase{"PesetaSingular", es, pts, pasted, "1 peseta", "1 peseta", "1", "0,01"},
        InputCase{"PesetaSignTyped", es, pts, typed, "\u20A7 166", "\u20A7 166", "166", "1,00"},
        InputCase{"EuroSingular", es, euro, typed, "5 euro", "5 euro", "5,00", "832"},
        InputCase{"EurosWithPeriod", es, euro, typed, "5 Euros.", "5 Euros.", "5,00", "832"},
        InputCase{"EurWithPeriod", es, euro, pasted, "1,5 EUR.", "1,5 EUR.", "1,50", "250"},
        InputCase{"WholeAmountDash", es, euro, typed, "5,-", "5,-", "5,00", "832"},
        InputCase{"WholeAmountEnDashAndSign", es, euro, pasted, "5,\u2013 \u20AC",
                  "5,\u2013 \u20AC", "5,00", "832"},
        InputCase{"BlankAfterMinus", es, euro, typed, "- 5", "- 5", "-5,00", "-832"},
        InputCase{"MinusEuroSignBlank", es, euro, typed, "-\u20AC 5", "-\u20AC 5", "-5,00", "-832"},
        InputCase{"MinusEurBlank", es, euro, typed, "-EUR 5,00", "-EUR 5,00", "-5,00", "-832"},
        InputCase{"ThinSpaceGroups", es, pts, pasted, "1\u2009234", "1\u2009234", "1.234", "7,42"},
        InputCase{"FigureSpaceGroups", es, euro, pasted, "1\u2007234,5", "1\u2007234,5", "1.234,50",
                  "205.404"},
        InputCase{"ByteOrderMarkFirst", es, euro, pasted, "\uFEFF5", "\uFEFF5", "5,00", "832"},
        InputCase{"BlankAfterDecimalSeparator", es, euro, typed, "1, 5", "1, 5", "1,50", "250"},
        InputCase{"PesetaUnitTypedInTheEuroField", es, euro, typed, "5 pts", "", "0,00", "0"},
        InputCase{"PriceTagTyped", es, pts, typed, "Pts.100", "Pts.100", "100", "0,60"},
        InputCase{"EuroSignAndFullStopTyped", es, euro, typed, "5 \u20AC.", "5 \u20AC.", "5,00",
                  "832"},
        InputCase{"InvisibleMarksPasted", es, euro, pasted, "\u200B5\u2060\u200E",
                  "\u200B5\u2060\u200E", "5,00", "832"},
        InputCase{"EnDashPasted", es, euro, pasted, "\u20135", "\u20135", "-5,00", "-832"},
        InputCase{"MillonesDePesetasTyped", es, pts, typed, "2 millones de pesetas",
                  "2 millones de pesetas", "2.000.000", "12.020,24"},
        InputCase{"MForMillonesTyped", es, euro, typed, "1,5 M \u20AC", "1,5 M \u20AC",
                  "1.500.000,00", "249.579.000"},
        InputCase{"UnMillonTyped", es, euro, typed, "un mill\u00F3n", "un mill\u00F3n",
                  "1.000.000,00", "166.386.000"},
        InputCase{"MilMillonesTyped", es, pts, typed, "mil millones", "mil millones",
                  "1.000.000.000", "6.010.121,04"},
        InputCase{"DurosTyped", es, pts, typed, "20 duros", "20 duros", "100", "0,60"},
        InputCase{"CentimosTyped", es, euro, typed, "50 c\u00E9ntimos", "50 c\u00E9ntimos", "0,50",
                  "83"},
        InputCase{"EurosConCentsTyped", es, euro, typed, "5 euros con 20", "5 euros con 20", "5,20",
                  "865"},
        InputCase{"EuroSignBetweenEurosAndCentsTyped", es, euro, typed, "5\u20AC20", "5\u20AC20",
                  "5,20", "865"},
        InputCase{"EnglishThousandsOfPesetasTyped", es, pts, typed, "1,000 ptas", "1,000 ptas",
                  "1.000", "6,01"},
        // Left unfinished: the amount the text plainly is.
        InputCase{"ClosingFullStopPasted", es, euro, pasted, "1.000.", "1.000.", "1.000,00",
                  "166.386"},
        InputCase{"ClosingFullStopOfPesetasTyped", es, pts, typed, "1.000.", "1.000.", "1.000",
                  "6,01"},
        InputCase{"EuroUnitBegun", es, euro, typed, "5 eu", "5 eu", "5,00", "832"},
        InputCase{"EuroUnitsFirstLetter", es, euro, typed, "3,50 e", "3,50 e", "3,50", "582"},
        InputCase{"EuroUnitsCapitalLetter", es, euro, typed, "5 E", "5 E", "5,00", "832"},
        InputCase{"PesetaUnitsFirstLetter", es, pts, typed, "5 p", "5 p", "5", "0,03"},
        InputCase{"PesetaUnitBegun", es, pts, typed, "5 pes", "5 pes", "5", "0,03"},
        InputCase{"DeBeforeItsUnit", es, pts, typed, "2 millones de", "2 millones de", "2.000.000",
                  "12.020,24"},
        InputCase{"NumberWordBegunIsNoAmount", es, euro, typed, "5 mi", "5 mi", "0,00", "0"},
        // Exact to the last digit.
        InputCase{"FourteenDigitsAndCents", es, euro, typed, "99999999999999,99",
                  "99999999999999,99", "99.999.999.999.999,99", "16.638.599.999.999.998"},
        InputCase{"BeyondTwoTo53", es, pts, typed, "9007199254740993", "9007199254740993",
                  "9.007.199.254.740.993", "54.134.357.786.959,20"},
        InputCase{"JustUnderHalfACent", es, euro, pasted, "0,0049999999999999999999",
                  "0,0049999999999999999999", "0,00", "0"},
        InputCase{"JustUnderHalfACentAboveOne", es, euro, pasted, "1,00499999999999999",
                  "1,00499999999999999", "1,00", "166"}),
    table::RowName{});

}  // namespace
}  // namespace trelumo
