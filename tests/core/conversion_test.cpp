#include "core/conversion.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types/run_time_error.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

const Conversion spanish;
const Conversion english(Separators{".", ","});
const Conversion french(Separators{",", "\u202F"});

using table::PrintTo;

struct ConversionCase {
    std::string_view name;
    const Conversion& conversion;
    std::string_view euro_text;
    std::string_view pts_text;
};

class EurosToPesetasTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(EurosToPesetasTest, RoundsToWholePesetas) {
    const ConversionCase& row = GetParam();
    EXPECT_EQ(row.conversion.pts_from_euro_text(row.euro_text), row.pts_text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EurosToPesetasTest,
    testing::Values(ConversionCase{"Zero", spanish, "0,00", "0"},
                    ConversionCase{"OneEuroRoundsDown", spanish, "1,00", "166"},
                    ConversionCase{"OneCentRoundsUp", spanish, "0,01", "2"},
                    ConversionCase{"Negative", spanish, "-5,00", "-832"},
                    ConversionCase{"ExactHalfRoundsUp", spanish, "250,00", "41.597"},
                    ConversionCase{"Grouped", spanish, "1.234,56", "205.414"},
                    ConversionCase{"WithItsUnit", spanish, "1.234,56 \u20AC", "205.414"},
                    ConversionCase{"English", english, "1,234.56", "205,414"},
                    ConversionCase{"French", french, "1\u202F234,56", "205\u202F414"},
                    ConversionCase{"BeyondTwoTo53", spanish, "9007199254740993",
                                   "1.498.671.855.199.334.861"}),
    table::RowName{});

class PesetasToEurosTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(PesetasToEurosTest, RoundsToCents) {
    const ConversionCase& row = GetParam();
    EXPECT_EQ(row.conversion.euro_from_pts_text(row.pts_text), row.euro_text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PesetasToEurosTest,
    testing::Values(ConversionCase{"Zero", spanish, "0,00", "0"},
                    ConversionCase{"JustUnderOneEuroRoundsUp", spanish, "1,00", "166"},
                    ConversionCase{"TwoPesetas", spanish, "0,01", "2"},
                    ConversionCase{"GroupedMillion", spanish, "6.010,12", "1.000.000"},
                    ConversionCase{"WithItsUnit", spanish, "6.010,12", "1.000.000 Ptas."},
                    ConversionCase{"English", english, "6,010.12", "1,000,000"},
                    ConversionCase{"BeyondTwoTo53", spanish, "54.134.357.786.959,20",
                                   "9.007.199.254.740.993"}),
    table::RowName{});

// An amount pasted with its unit into a field: the text the field is tidied into, or nothing
// when the text is no amount of the field's currency.
struct UnitCase {
    std::string_view name;
    const Conversion& conversion;
    bool euro;
    std::string_view text;
    std::optional<std::string_view> tidied;
};

class UnitOfAmountTest : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitOfAmountTest, AnAmountMayCarryTheUnitOfItsOwnCurrencyOnly) {
    const UnitCase& row = GetParam();
    const Conversion& conversion = row.conversion;
    EXPECT_EQ(row.euro ? conversion.is_euro_text(row.text) : conversion.is_pts_text(row.text),
              row.tidied.has_value());
    EXPECT_EQ(
        row.euro ? conversion.reformat_euro_text(row.text) : conversion.reformat_pts_text(row.text),
        row.tidied.value_or(row.text));
}

constexpr bool euro = true;
constexpr bool pts = false;
const std::nullopt_t garbage = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, UnitOfAmountTest,
    testing::Values(
        UnitCase{"EuroSignAfter", spanish, euro, "1.234,50 \u20AC", "1.234,50"},
        UnitCase{"EuroSignBeforeWithoutSpace", spanish, euro, "\u20AC1.234,5", "1.234,50"},
        UnitCase{"EurBeforeInCapitals", spanish, euro, "EUR 12", "12,00"},
        UnitCase{"EurosAfterInAnyCaseWithoutSpace", spanish, euro, "12EuRoS", "12,00"},
        UnitCase{"MinusBeforeTheEuroSign", spanish, euro, "-\u20AC5", "-5,00"},
        UnitCase{"NoBreakSpaceAndNewline", spanish, euro, "5\u00A0\u20AC\n", "5,00"},
        UnitCase{"EnglishEuroSign", english, euro, "\u20AC1,234.5", "1,234.50"},
        UnitCase{"FrenchEuros", french, euro, "1 234,5 euros", "1\u202F234,50"},
        UnitCase{"PtasAfter", spanish, pts, "1.000 Ptas.", "1.000"},
        UnitCase{"PtsWithoutSpace", spanish, pts, "1000pts", "1.000"},
        UnitCase{"PesetasBeforeInCapitals", spanish, pts, "PESETAS 166", "166"},
        UnitCase{"PesetaSignBefore", spanish, pts, "\u20A7 166", "166"},
        UnitCase{"EnglishPts", english, pts, "1,000 pts", "1,000"},
        UnitCase{"PesetaUnitInTheEuroField", spanish, euro, "5 Ptas.", garbage},
        UnitCase{"EuroSignInThePesetaField", spanish, pts, "166 \u20AC", garbage},
        UnitCase{"UnitAlone", spanish, euro, "\u20AC", garbage},
        UnitCase{"UnitOnBothSides", spanish, euro, "\u20AC5\u20AC", garbage},
        UnitCase{"UnitInsideTheNumber", spanish, pts, "1 pts 000", garbage},
        // A price tag: the unit's full stop is never a decimal point.
        UnitCase{"PriceTagPts", spanish, pts, "Pts.100", "100"},
        UnitCase{"PriceTagPtasBelowAHalf", spanish, pts, "Ptas.25", "25"},
        UnitCase{"PriceTagPtsAboveAHalf", spanish, pts, "PTS.999", "999"},
        UnitCase{"PriceTagPesetas", spanish, pts, "Pesetas.100", "100"},
        UnitCase{"PriceTagEur", spanish, euro, "EUR.5", "5,00"},
        UnitCase{"PriceTagEuroSign", spanish, euro, "\u20AC.100", "100,00"},
        UnitCase{"PriceTagEnglish", english, euro, "Eur.100", "100.00"},
        UnitCase{"EuroSignAndFullStop", spanish, euro, "5,00 \u20AC.", "5,00"},
        UnitCase{"PesetaSignAndFullStop", spanish, pts, "5 \u20A7.", "5"},
        // Marks that text from web pages and PDF files carries, wherever they stand.
        UnitCase{"InvisibleMarksAroundTheUnit", spanish, euro, "\u200F5\u200E\u00A0\u20AC\u200B",
                 "5,00"},
        UnitCase{"SoftHyphenInTheUnit", spanish, pts, "5 pese\u00ADtas", "5"},
        UnitCase{"EnDashBeforeTheUnit", spanish, euro, "\u2013\u20AC5", "-5,00"},
        // Number words, exact however large.
        UnitCase{"Mil", spanish, euro, "3 mil", "3.000,00"},
        UnitCase{"MilAlone", spanish, pts, "mil", "1.000"},
        UnitCase{"MilGlued", spanish, pts, "3mil ptas", "3.000"},
        UnitCase{"MillonesWithDecimals", spanish, pts, "1,5 millones", "1.500.000"},
        UnitCase{"MillonesDePesetas", spanish, pts, "2 millones de pesetas", "2.000.000"},
        UnitCase{"MillonInCapitals", spanish, euro, "UN MILL\u00D3N DE EUROS", "1.000.000,00"},
        UnitCase{"MillonWithoutItsAccent", spanish, pts, "un millon", "1.000.000"},
        UnitCase{"MForMillones", spanish, euro, "1,5 M \u20AC", "1.500.000,00"},
        UnitCase{"MilMillones", spanish, pts, "mil millones", "1.000.000.000"},
        UnitCase{"MilMillonesBeyondTwoTo53", spanish, pts, "9007199,254740993 mil millones",
                 "9.007.199.254.740.993"},
        UnitCase{"NegativeMil", spanish, euro, "-2,5 mil \u20AC", "-2.500,00"},
        UnitCase{"UnEuro", spanish, euro, "un euro", "1,00"},
        UnitCase{"UnaPeseta", spanish, pts, "Una peseta", "1"},
        UnitCase{"UnAlone", spanish, euro, "un", garbage},
        UnitCase{"MillonesAlone", spanish, euro, "millones", garbage},
        UnitCase{"DeAfterAPlainNumber", spanish, pts, "5 de pesetas", garbage},
        UnitCase{"SmallMIsNoMillion", spanish, euro, "5 m", garbage},
        // Duros in the peseta field, cents in the euro field.
        UnitCase{"Duros", spanish, pts, "20 duros", "100"},
        UnitCase{"UnDuro", spanish, pts, "un duro", "5"},
        UnitCase{"HalfADuro", spanish, pts, "1,5 duros", "8"},
        UnitCase{"DurosInTheEuroField", spanish, euro, "20 duros", garbage},
        UnitCase{"Centimos", spanish, euro, "50 c\u00E9ntimos", "0,50"},
        UnitCase{"CentimosInCapitals", spanish, euro, "50 C\u00C9NTIMOS", "0,50"},
        UnitCase{"Cts", spanish, euro, "5 cts", "0,05"},
        UnitCase{"CentWithFullStop", spanish, euro, "5 c\u00E9nt.", "0,05"},
        UnitCase{"HalfACentimo", spanish, euro, "0,5 c\u00E9ntimos", "0,01"},
        UnitCase{"CentimosInThePesetaField", spanish, pts, "5 cts", garbage},
        UnitCase{"EurosConCents", spanish, euro, "5 euros con 20", "5,20"},
        UnitCase{"EurosConOneDigit", spanish, euro, "5 \u20AC con 5", "5,05"},
        UnitCase{"EurosConCentimos", spanish, euro, "-5 euros con 20 c\u00E9ntimos", "-5,20"},
        UnitCase{"EuroSignBetweenEurosAndCents", spanish, euro, "5\u20AC20", "5,20"},
        UnitCase{"ConWithoutAUnit", spanish, euro, "5 con 20", garbage},
        UnitCase{"ConAfterDecimals", spanish, euro, "5,5 euros con 20", garbage},
        UnitCase{"ConThreeDigits", spanish, euro, "5 euros con 200", garbage},
        UnitCase{"PesetasCon", spanish, pts, "5 pesetas con 20", garbage},
        // A comma before three digits of pesetas sets thousands apart, as English
        // documents write them; a euro amount may have three decimals.
        UnitCase{"EnglishThousandsOfPesetas", spanish, pts, "1,000 ptas", "1.000"},
        UnitCase{"EnglishThousandsAfterPts", spanish, pts, "Pts 1,000", "1.000"},
        UnitCase{"EnglishMillionOfPesetas", spanish, pts, "1,000,000", "1.000.000"},
        UnitCase{"ThreeDecimalsOfAEuro", spanish, euro, "1,000 \u20AC", "1,00"},
        UnitCase{"DecimalsBeforeANumberWord", spanish, pts, "1,500 millones", "1.500.000"},
        UnitCase{"TwoDecimalsOfAPeseta", spanish, pts, "1,50 ptas", "2"}),
    table::RowName{});

// What a field keeps while it is typed into: a text that more keys at its end can make an
// amount of the field's currency.
struct BeginningCase {
    std::string_view name;
    Currency currency;
    std::string_view text;
    bool beginning;
};

class BeginningTest : public testing::TestWithParam<BeginningCase> {};

TEST_P(BeginningTest, IsTheStartOfAnAmountOfTheFieldsCurrency) {
    const BeginningCase& row = GetParam();
    EXPECT_EQ(spanish.is_beginning(row.currency, row.text), row.beginning);
}

constexpr Currency euros = Currency::euro;
constexpr Currency pesetas = Currency::pts;

INSTANTIATE_TEST_SUITE_P(
    Table, BeginningTest,
    testing::Values(BeginningCase{"Empty", euros, "", true},
                    BeginningCase{"Minus", euros, "-", true},
                    BeginningCase{"MinusDecimalSeparator", pesetas, "-,", true},
                    BeginningCase{"MinusEuroSign", euros, "-\u20AC", true},
                    BeginningCase{"FirstLetterOfTheUnit", euros, "E", true},
                    BeginningCase{"UnitBeingTypedAfter", euros, "5 eu", true},
                    BeginningCase{"PtsAndABlank", pesetas, "Pts ", true},
                    BeginningCase{"PtsAndAPeriod", pesetas, "Pts.", true},
                    BeginningCase{"GroupOnItsWay", pesetas, "1.000.5", true},
                    BeginningCase{"SpaceGroupOnItsWay", pesetas, "12 3", true},
                    BeginningCase{"BlankAfterDecimalSeparator", euros, "1, ", true},
                    BeginningCase{"ByteOrderMark", euros, "\uFEFF", true},
                    BeginningCase{"PesetaLetterInTheEuroField", euros, "5 p", false},
                    BeginningCase{"EuroLetterInThePesetaField", pesetas, "E", false},
                    BeginningCase{"Letter", euros, "x", false},
                    BeginningCase{"TwoSigns", euros, "--", false},
                    BeginningCase{"TwoPoints", pesetas, "1..", false},
                    BeginningCase{"UnitTwice", euros, "\u20AC5\u20AC", false},
                    BeginningCase{"NumberAfterTheUnit", euros, "5 eur 5", false},
                    BeginningCase{"DurosInTheEuroField", euros, "20 du", false},
                    BeginningCase{"ConInThePesetaField", pesetas, "5 pesetas c", false},
                    BeginningCase{"DeAfterAPlainNumber", euros, "5 de ", false}),
    table::RowName{});

TEST(Conversion, StatesConversionsInSentences) {
    EXPECT_EQ(spanish.euro_sentence("1,00"), "1,00 Euros  =  166 Ptas.");
    EXPECT_EQ(spanish.euro_sentence("-5,00"), "-5,00 Euros  =  -832 Ptas.");
    EXPECT_EQ(spanish.pts_sentence("166"), "166 Ptas.  =  1,00 Euros");
    EXPECT_EQ(english.pts_sentence("1,000,000"), "1,000,000 Ptas.  =  6,010.12 Euros");
}

TEST(Conversion, TidiesTextsIntoPatterns) {
    EXPECT_EQ(spanish.reformat_euro_text("12,5"), "12,50");
    EXPECT_EQ(spanish.reformat_euro_text("12,345"), "12,35");
    EXPECT_EQ(spanish.reformat_pts_text("1000"), "1.000");
    EXPECT_EQ(spanish.zero_euro_text(), "0,00");
    EXPECT_EQ(spanish.zero_pts_text(), "0");
    EXPECT_EQ(english.zero_euro_text(), "0.00");
}

int error_number(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(Conversion, RaisesRunTimeErrors) {
    const std::string huge_euro = "1" + std::string(307, '0');
    const std::string largest_pts =
        spanish.reformat_pts_text("17976931348623157" + std::string(292, '0'));
    EXPECT_EQ(error_number([&] { spanish.pts_from_euro_text(huge_euro); }), 6);
    EXPECT_EQ(error_number([&] { spanish.euro_sentence(huge_euro); }), 6);
    EXPECT_EQ(error_number([&] { spanish.pts_from_euro_text("1" + std::string(305, '0')); }), 0);
    EXPECT_EQ(error_number([&] { spanish.pts_from_euro_text("1.08e306"); }), 13);
    EXPECT_EQ(error_number([&] { spanish.euro_from_pts_text(""); }), 13);
    EXPECT_EQ(error_number([&] { spanish.euro_from_pts_text(largest_pts); }), 0);
}

}  // namespace
}  // namespace trelumo
