#include "platform/number_text/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace trelumo {
namespace {

const Separators es = spanish_separators();
const Separators en{".", ","};
const Separators fr{",", "\u202F"};       // narrow no-break space, three bytes
const Separators ar{"\u066B", "\u066C"};  // Arabic decimal and thousands separators

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct NumericCase {
    const char* name;
    std::string text;
    Separators separators;
    bool numeric;
};

TEST(NumberText, TellsNumericTextFromOtherText) {
    const NumericCase cases[] = {
        {"digits", "0123", es, true},
        {"grouped", "1.234.567", es, true},
        {"group being typed", "1.", es, true},
        {"groups anywhere among integer digits", "1.2..3,5", es, true},
        {"decimal separator last", "1,", es, true},
        {"decimals only", ",5", es, true},
        {"signs", "-5,00", es, true},
        {"plus sign", "+5", es, true},
        {"blanks around", " \t1.000,5\t ", es, true},
        {"underflow to zero", "0," + std::string(400, '0') + "1", es, true},
        {"empty", "", es, false},
        {"blanks only", " \t ", es, false},
        {"sign only", "-", es, false},
        {"decimal separator only", ",", es, false},
        {"group separator first", ".5", es, false},
        {"letter", "12a", es, false},
        {"exponent", "1e5", es, false},
        {"second decimal separator", "1,2,3", es, false},
        {"group after decimals", "1,234.5", es, false},
        {"blank after sign", "- 5", es, false},
        {"blank inside", "1 000", es, false},
        {"two signs", "--5", es, false},
        {"beyond a double", std::string(400, '9'), es, false},
        {"English", "-1,234.5", en, true},
        {"English rejects Spanish", "1.234,5", en, false},
        {"multi-byte group", "1\u202F234\u202F567,8", fr, true},
        {"truncated multi-byte group", "1\xE2\x80", fr, false},
        {"multi-byte decimal and group", "1\u066C234\u066B5", ar, true},
        {"comma in Arabic locale", "1,5", ar, false},
        {"no separators at all", "12", Separators{"", ""}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(is_numeric(c.text, c.separators), c.numeric);
        EXPECT_EQ(parse_number(c.text, c.separators).has_value(), c.numeric);
    }
}

struct ParseCase {
    const char* name;
    std::string text;
    Separators separators;
    double value;
};

TEST(NumberText, ParsesToTheNearestDouble) {
    const ParseCase cases[] = {
        {"grouped million", "1.000.000", es, 1e6},
        {"grouped with decimals", "1.234,56", es, 1234.56},
        {"negative", "-5,00", es, -5.0},
        {"decimals only", ",5", es, 0.5},
        {"decimal separator last", "1,", es, 1.0},
        {"inexact decimal", "0,1", es, 0.1},
        {"tie to even", "9007199254740993", es, 9007199254740992.0},
        {"long expansion of 0.1", "0,1000000000000000055511151231257827021181583404541015625", es,
         0.1},
        {"largest double", "17976931348623157" + std::string(292, '0'), es, DBL_MAX},
        {"smallest denormal", "0," + std::string(323, '0') + "5", es, 5e-324},
        {"underflow", "0," + std::string(400, '0') + "1", es, 0.0},
        {"English", "1,234.5", en, 1234.5},
        {"multi-byte", "1\u066C664\u066B25", ar, 1664.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parse_number(c.text, c.separators), c.value);
    }
}

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    Separators separators;
    std::string text;
};

TEST(NumberText, FormatsWithPatternRoundingHalfAwayFromZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string largest = "179.769.313.486.231.570" + repeat(".000", 97);
    const FormatCase cases[] = {
        {"tie 12,345", 12.345, "#,##0.00", es, "12,35"},
        {"tie 0,125", 0.125, "#,##0.00", es, "0,13"},
        {"tie 2,675 below in binary", 2.675, "#,##0.00", es, "2,68"},
        {"tie 1,005 below in binary", 1.005, "#,##0.00", es, "1,01"},
        {"tie half cent", 0.005, "#,##0.00", es, "0,01"},
        {"negative tie", -0.005, "#,##0.00", es, "-0,01"},
        {"negative rounding to zero", -0.004, "#,##0.00", es, "0,00"},
        {"negative zero", -0.0, "#,##0.00", es, "0,00"},
        {"grouped decimals", 1234.5, "#,##0.00", es, "1.234,50"},
        {"carry into new group", 999.995, "#,##0.00", es, "1.000,00"},
        {"tie whole pesetas", 41596.5, "#,##0", es, "41.597"},
        {"thousand", 1000, "#,##0", es, "1.000"},
        {"below half to zero", -0.4, "#,##0", es, "0"},
        {"beyond 2^53", 1e21, "#,##0", es, "1.000.000.000.000.000.000.000"},
        {"largest double in full", DBL_MAX, "#,##0.00", es, largest + ",00"},
        {"smallest denormal", 5e-324, "#,##0.00", es, "0,00"},
        {"no grouping", 1234.5, "0.000", es, "1234,500"},
        {"optional decimals", 1.5, "#,##0.0#", es, "1,5"},
        {"optional decimals rounded", 1.255, "#,##0.0#", es, "1,26"},
        {"English", 1234.5, "#,##0.00", en, "1,234.50"},
        {"multi-byte", 1234567.891, "#,##0.00", fr, "1\u202F234\u202F567,89"},
        {"infinity", inf, "#,##0", es, "inf"},
        {"minus infinity", -inf, "#,##0", es, "-inf"},
        {"not a number", std::nan(""), "#,##0", es, "nan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(format_number(c.value, c.pattern, c.separators), c.text);
    }
}

TEST(NumberText, FormatsSixteenBitIntegers) {
    EXPECT_EQ(format_number(std::int16_t{0}, "#,##0.00", es), "0,00");
    EXPECT_EQ(format_number(std::int16_t{0}, "#,##0", es), "0");
    EXPECT_EQ(format_number(std::int16_t{-32768}, "#,##0", es), "-32.768");
    EXPECT_EQ(format_number(std::int16_t{32767}, "#,##0.00", en), "32,767.00");
}

TEST(NumberText, FormatsTextHoldingANumberAndLeavesOtherTextAlone) {
    const struct {
        const char* text;
        const char* pattern;
        const char* formatted;
    } cases[] = {
        {"12,345", "#,##0.00", "12,35"},
        {"12,5", "#,##0.00", "12,50"},
        {" 3 ", "#,##0.00", "3,00"},
        {"1000", "#,##0", "1.000"},
        {"1.664", "#,##0", "1.664"},
        {"abc", "#,##0", "abc"},
        {"", "#,##0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(format_text(c.text, c.pattern, es), c.formatted);
    }
}

TEST(NumberText, AnyByteGivesAnAnswer) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        SCOPED_TRACE(byte);
        const bool digit = c >= '0' && c <= '9';
        EXPECT_EQ(is_numeric(std::string(1, c), es), digit);
        EXPECT_EQ(is_numeric(std::string("1") + c + "2", es), digit || c == ',' || c == '.');
    }
    EXPECT_FALSE(is_numeric(std::string("1\0002", 3), es));
    EXPECT_FALSE(is_numeric(std::string("1,5\0", 4), es));
    EXPECT_FALSE(is_numeric("1\xC3\x28", fr));
    EXPECT_FALSE(
        is_numeric("\xE2\x80\xAF"
                   "1",
                   fr));
}

TEST(NumberText, LongestFieldTextGivesAnAnswer) {
    constexpr int longest = 32767;
    EXPECT_FALSE(is_numeric(std::string(longest, '9'), es));
    EXPECT_EQ(parse_number(std::string(longest, '0'), es), 0.0);
    EXPECT_EQ(parse_number(std::string(longest - 1, '0') + "1", es), 1.0);
    EXPECT_EQ(parse_number("1" + std::string(longest - 1, '.'), es), 1.0);
    EXPECT_EQ(parse_number("0," + std::string(longest - 3, '0') + "1", es), 0.0);
    EXPECT_EQ(format_text(std::string(longest, '0'), "#,##0.00", es), "0,00");
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
