#include "platform/number_text/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/number_text/double_text.h"
#include "tests/support/table_row.h"

namespace trelumo {
namespace {

const Separators es = spanish_separators();
const Separators en{".", ","};
const Separators fr{",", "\u202F"};       // narrow no-break space, three bytes
const Separators ch{".", "\u2019"};       // Swiss German: right single quotation mark
const Separators ar{"\u066B", "\u066C"};  // Arabic decimal and thousands separators

using table::PrintTo;

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A text and the value it reads as; no value for a text that is not numeric.
struct ReadCase {
    std::string_view name;
    std::string text;
    Separators separators;
    std::optional<double> value;
};

class ReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, NumericExactlyWhenItParsesToTheNearestDouble) {
    const ReadCase& row = GetParam();
    EXPECT_EQ(is_numeric(row.text, row.separators), row.value.has_value());
    const std::optional<double> value = parse_number(row.text, row.separators);
    EXPECT_EQ(value, row.value);
    if (value && row.value) {
        EXPECT_EQ(std::signbit(*value), std::signbit(*row.value));  // of zero
    }
}

const std::nullopt_t no = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, ReadTest,
    testing::Values(
        ReadCase{"Digits", "0123", es, 123}, ReadCase{"GroupedMillion", "1.000.000", es, 1e6},
        ReadCase{"GroupedWithDecimals", "1.234,56", es, 1234.56},
        ReadCase{"PointBeforeThreeDigitsGroups", "1.500", es, 1500},
        ReadCase{"PointThatCannotGroupIsDecimal", "1.5", es, 1.5},
        ReadCase{"PointBeforeTwoDigits", "12.50", es, 12.5},
        ReadCase{"PointBeforeFourDigits", "1.2345", es, 1.2345},
        ReadCase{"PointAfterZero", "0.500", es, 0.5}, ReadCase{"PointFirst", ".5", es, 0.5},
        ReadCase{"PointLast", "1.", es, 1}, ReadCase{"DecimalSeparatorLast", "1,", es, 1},
        ReadCase{"DecimalsOnly", ",5", es, 0.5}, ReadCase{"Negative", "-5,00", es, -5},
        ReadCase{"PlusSign", "+5", es, 5}, ReadCase{"MinusSign", "\u22125", es, -5},
        ReadCase{"BlankAfterSign", "- 5", es, -5}, ReadCase{"EnDashAsMinus", "\u20135", es, -5},
        ReadCase{"FigureDashAsMinus", "\u2012 5,5", es, -5.5},
        ReadCase{"ZeroWidthSpaceInsideAGroup", "1.2\u200B34", es, 1234},
        ReadCase{"DirectionMarksAround", "\u200F\u200E12,5\u200E", es, 12.5},
        ReadCase{"WordJoinerAndSoftHyphen", "1\u2060234,5\u00AD0", es, 1234.5},
        ReadCase{"InvisibleMarksOnly", "\u200B\u00AD", es, no},
        ReadCase{"MinusZeroAfterAnInvisibleMark", "\u200B-0", es, -0.0},
        ReadCase{"BlankAfterDecimalSeparator", "1, 5", es, 1.5},
        ReadCase{"WholeAmountHyphen", "5,-", es, 5},
        ReadCase{"WholeAmountEnDash", "1.000,\u2013", es, 1000},
        ReadCase{"BlanksAround", " \t1.000,5\t ", es, 1000.5},
        ReadCase{"LineEndsAndNoBreakSpacesAround", "\u00A0\r\n1.234,50\u202F\r\n", es, 1234.5},
        ReadCase{"ByteOrderMarkFirst", "\uFEFF12", es, 12},
        ReadCase{"SpaceGroups", "1 234,5", es, 1234.5},
        ReadCase{"NoBreakSpaceGroups", "1\u00A0234", es, 1234},
        ReadCase{"NarrowNoBreakSpaceGroups", "1\u202F234", es, 1234},
        ReadCase{"ThinAndFigureSpaceGroups", "1\u2009234\u2007567", es, 1234567},
        ReadCase{"InexactDecimal", "0,1", es, 0.1},
        ReadCase{"TieToEven", "9007199254740993", es, 9007199254740992.0},
        ReadCase{"LargestDouble", "17976931348623157" + std::string(292, '0'), es, DBL_MAX},
        ReadCase{"SmallestDenormal", "0," + std::string(323, '0') + "5", es, 5e-324},
        ReadCase{"UnderflowToZero", "0," + std::string(400, '0') + "1", es, 0.0},
        ReadCase{"Empty", "", es, no}, ReadCase{"BlanksOnly", " \t\n\u00A0", es, no},
        ReadCase{"SignOnly", "-", es, no}, ReadCase{"DecimalSeparatorOnly", ",", es, no},
        ReadCase{"PointOnly", ".", es, no}, ReadCase{"DashWithoutDigits", ",-", es, no},
        ReadCase{"SpaceBetweenSingleDigits", "1 2", es, no},
        ReadCase{"SpaceBeforeFourDigits", "1 2345", es, no},
        ReadCase{"LastGroupShort", "1.000.5", es, no}, ReadCase{"TwoPoints", "1.2.3", es, no},
        ReadCase{"PointAfterFourDigits", "1234.567", es, 1234.567},
        ReadCase{"PointOutOfPlaceBeforeDecimals", "1.5,5", es, no},
        ReadCase{"TabInside", "1\t234", es, no}, ReadCase{"NewlineInside", "1\n234", es, no},
        ReadCase{"Letter", "12a", es, no}, ReadCase{"Exponent", "1e5", es, no},
        ReadCase{"SecondDecimalSeparator", "1,2,3", es, no},
        ReadCase{"GroupAfterDecimals", "1,234.5", es, no},
        ReadCase{"SpaceAfterDecimals", "1,2 3", es, no}, ReadCase{"TwoSigns", "--5", es, no},
        ReadCase{"BeyondADouble", std::string(400, '9'), es, no},
        ReadCase{"LongerThanAnyAmount", std::string(longest_number_text + 1, '0'), es, no},
        ReadCase{"ApostropheWhereTheLocaleDoesNotGroupWithU2019", "1'234", es, no},
        ReadCase{"English", "-1,234.5", en, -1234.5},
        ReadCase{"EnglishSpaceGroups", "1 234.5", en, 1234.5},
        ReadCase{"EnglishRejectsSpanish", "1.234,5", en, no},
        ReadCase{"EnglishCommaOutOfPlace", "1,5", en, no},
        ReadCase{"FrenchOwnGroup", "1\u202F234\u202F567,8", fr, 1234567.8},
        ReadCase{"FrenchSpaceGroups", "1 234,5", fr, 1234.5},
        ReadCase{"FrenchPointIsDecimal", "1.500", fr, 1.5},
        ReadCase{"FrenchTruncatedGroup", "1\xE2\x80", fr, no},
        ReadCase{"SwissOwnGroup", "1\u2019234.5", ch, 1234.5},
        ReadCase{"SwissApostropheGroups", "1'234.5", ch, 1234.5},
        ReadCase{"ArabicMultiByte", "1\u066C664\u066B25", ar, 1664.25},
        ReadCase{"CommaInArabicLocale", "1,5", ar, no},
        ReadCase{"NoSeparatorsAtAll", "12", Separators{"", ""}, 12}),
    table::RowName{});

struct FormatCase {
    std::string_view name;
    double value;
    const char* pattern;
    Separators separators;
    std::string text;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesThePatternRoundingHalfAwayFromZero) {
    const FormatCase& row = GetParam();
    EXPECT_EQ(format_number(row.value, row.pattern, row.separators), row.text);
}

const double inf = std::numeric_limits<double>::infinity();
const std::string largest = "179.769.313.486.231.570" + repeat(".000", 97);

INSTANTIATE_TEST_SUITE_P(
    Table, FormatTest,
    testing::Values(FormatCase{"Tie12345", 12.345, "#,##0.00", es, "12,35"},
                    FormatCase{"Tie0125", 0.125, "#,##0.00", es, "0,13"},
                    FormatCase{"Tie2675BelowInBinary", 2.675, "#,##0.00", es, "2,68"},
                    FormatCase{"Tie1005BelowInBinary", 1.005, "#,##0.00", es, "1,01"},
                    FormatCase{"TieHalfCent", 0.005, "#,##0.00", es, "0,01"},
                    FormatCase{"NegativeTie", -0.005, "#,##0.00", es, "-0,01"},
                    FormatCase{"NegativeRoundingToZero", -0.004, "#,##0.00", es, "0,00"},
                    FormatCase{"NegativeZero", -0.0, "#,##0.00", es, "0,00"},
                    FormatCase{"GroupedDecimals", 1234.5, "#,##0.00", es, "1.234,50"},
                    FormatCase{"CarryIntoNewGroup", 999.995, "#,##0.00", es, "1.000,00"},
                    FormatCase{"TieWholePesetas", 41596.5, "#,##0", es, "41.597"},
                    FormatCase{"Thousand", 1000, "#,##0", es, "1.000"},
                    FormatCase{"BelowHalfToZero", -0.4, "#,##0", es, "0"},
                    FormatCase{"Beyond2To53", 1e21, "#,##0", es, "1.000.000.000.000.000.000.000"},
                    FormatCase{"LargestDoubleInFull", DBL_MAX, "#,##0.00", es, largest + ",00"},
                    FormatCase{"SmallestDenormal", 5e-324, "#,##0.00", es, "0,00"},
                    FormatCase{"NoGrouping", 1234.5, "0.000", es, "1234,500"},
                    FormatCase{"OptionalDecimals", 1.5, "#,##0.0#", es, "1,5"},
                    FormatCase{"OptionalDecimalsRounded", 1.255, "#,##0.0#", es, "1,26"},
                    FormatCase{"English", 1234.5, "#,##0.00", en, "1,234.50"},
                    FormatCase{"FrenchMultiByte", 1234567.891, "#,##0.00", fr,
                               "1\u202F234\u202F567,89"},
                    FormatCase{"Infinity", inf, "#,##0", es, "inf"},
                    FormatCase{"MinusInfinity", -inf, "#,##0", es, "-inf"},
                    FormatCase{"NotANumber", std::nan(""), "#,##0", es, "nan"}),
    table::RowName{});

TEST(NumberText, FormatsSixteenBitIntegers) {
    EXPECT_EQ(format_number(std::int16_t{0}, "#,##0.00", es), "0,00");
    EXPECT_EQ(format_number(std::int16_t{0}, "#,##0", es), "0");
    EXPECT_EQ(format_number(std::int16_t{-32768}, "#,##0", es), "-32.768");
    EXPECT_EQ(format_number(std::int16_t{32767}, "#,##0.00", en), "32,767.00");
}

// Plain numbers, as read from a field, rounded and formatted exactly.
struct FormatPlainCase {
    std::string_view name;
    std::string_view plain;
    std::string_view pattern;
    std::string_view text;
};

class FormatPlainTest : public testing::TestWithParam<FormatPlainCase> {};

TEST_P(FormatPlainTest, RoundsTheExactDigitsHalfAwayFromZero) {
    const FormatPlainCase& row = GetParam();
    const Amount amount = *read_amount(row.plain, Separators{".", ""});
    EXPECT_EQ(format_amount(amount.rounded(pattern_decimals(row.pattern)), row.pattern, es),
              row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPlainTest,
    testing::Values(
        FormatPlainCase{"FourteenDigitsAndCents", "99999999999999.99", "#,##0.00",
                        "99.999.999.999.999,99"},
        FormatPlainCase{"BeyondTwoTo53", "9007199254740993", "#,##0", "9.007.199.254.740.993"},
        FormatPlainCase{"JustUnderHalfACent", "0.0049999999999999999999", "#,##0.00", "0,00"},
        FormatPlainCase{"JustUnderAHalfAboveOne", "1.00499999999999999", "#,##0.00", "1,00"},
        FormatPlainCase{"HalfACent", "0.005", "#,##0.00", "0,01"},
        FormatPlainCase{"NegativeHalf", "-0.5", "#,##0", "-1"},
        FormatPlainCase{"NegativeRoundingToZero", "-0.004", "#,##0.00", "0,00"},
        FormatPlainCase{"CarryIntoNewGroup", "999.995", "#,##0.00", "1.000,00"},
        FormatPlainCase{"Zero", "0", "#,##0.00", "0,00"}),
    table::RowName{});

// Amounts on either side of the largest that a step of Amount::scaled computes on a machine
// integer: reading the digits (2^64 - 1), doubling them for the rounding (2^63 - 1), multiplying
// by the rate, by ten for a decimal more, and adding the denominator. Either side is exact.
struct ScaledCase {
    std::string_view name;
    std::string_view plain;
    std::uint32_t numerator;
    std::uint32_t denominator;
    int decimals;
    std::string_view scaled;
};

class ScaledTest : public testing::TestWithParam<ScaledCase> {};

TEST_P(ScaledTest, IsExactOnMachineIntegersAndBeyondThem) {
    const ScaledCase& row = GetParam();
    const Amount amount = *read_amount(row.plain, Separators{".", ""});
    EXPECT_EQ(amount.scaled(row.numerator, row.denominator, row.decimals).plain(), row.scaled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScaledTest,
    testing::Values(
        ScaledCase{"LargestDigitsRead", "18446744073709551615", 1, 1, 0, "18446744073709551615"},
        ScaledCase{"DigitsBeyondThem", "18446744073709551616", 1, 1, 0, "18446744073709551616"},
        ScaledCase{"LargestRounded", "9223372036854775.807", 1, 1, 2, "9223372036854775.81"},
        ScaledCase{"RoundedBeyond", "9223372036854775.808", 1, 1, 2, "9223372036854775.81"},
        ScaledCase{"LargestEurosToPesetas", "554335823738.46", 166386, 1000, 0, "92233720368547"},
        ScaledCase{"EurosToPesetasBeyond", "-554335823738.47", 166386, 1000, 0, "-92233720368549"},
        ScaledCase{"LargestTimesTen", "922337203685477580", 1, 1, 1, "922337203685477580.0"},
        ScaledCase{"TimesTenBeyond", "922337203685477581", 1, 1, 1, "922337203685477581.0"},
        ScaledCase{"LargestPesetasToEuros", "92233720368546", 1000, 166386, 2, "554335823738.45"},
        ScaledCase{"PesetasToEurosBeyond", "92233720368547", 1000, 166386, 2, "554335823738.46"}),
    table::RowName{});

TEST(NumberText, AnyByteGivesAnAnswer) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool digit = c >= '0' && c <= '9';
        EXPECT_EQ(is_numeric(std::string(1, c), es), digit) << "byte " << byte;
        EXPECT_EQ(is_numeric(std::string("1") + c + "2", es), digit || c == ',' || c == '.')
            << "byte " << byte;
    }
    EXPECT_FALSE(is_numeric(std::string("1\0002", 3), es));
    EXPECT_FALSE(is_numeric(std::string("1,5\0", 4), es));
    EXPECT_FALSE(is_numeric("1\xC3\x28", fr));
    EXPECT_FALSE(is_numeric("1\xE2\x80\xAF\xE2\x80", fr));
}

TEST(NumberText, ReadsNoFurtherThanTheLongestAmount) {
    const std::string longest(longest_number_text, '0');
    EXPECT_EQ(parse_number(longest, es), 0.0);
    EXPECT_EQ(parse_number(std::string(40000, ' ') + longest + "\r\n", es), 0.0);
    EXPECT_EQ(parse_number(longest + "0", es), std::nullopt);
    EXPECT_EQ(pasted_amount_text(std::string(40000, ' ') + "12\r\n"), "12");
    EXPECT_EQ(pasted_amount_text("\n" + longest + "0"), std::nullopt);
}

TEST(NumberText, IgnoresTheCLocale) {
    const char* const names[] = {"es_ES.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "Spanish_Spain.1252"};
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : names) {
        if ((found = std::setlocale(LC_ALL, name))) break;
    }
    if (!found) GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(parse_number("1.234,5", es), 1234.5);
    EXPECT_EQ(parse_number("1,234.5", en), 1234.5);
    EXPECT_EQ(format_number(1234.5, "#,##0.00", en), "1,234.50");
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace trelumo
