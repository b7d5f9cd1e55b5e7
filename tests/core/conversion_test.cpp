#include "core/conversion.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

const Conversion spanish;
const Conversion english(Separators{".", ","});

struct ConversionCase {
    const char* name;
    const Conversion& conversion;
    const char* euro_text;
    const char* pts_text;
};

TEST(Conversion, ConvertsEurosToPesetas) {
    const ConversionCase cases[] = {
        {"zero", spanish, "0,00", "0"},
        {"one euro rounds down", spanish, "1,00", "166"},
        {"one cent rounds up", spanish, "0,01", "2"},
        {"negative", spanish, "-5,00", "-832"},
        {"exact half rounds up", spanish, "250,00", "41.597"},
        {"grouped", spanish, "1.234,56", "205.414"},
        {"English", english, "1,234.56", "205,414"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.conversion.pts_from_euro_text(c.euro_text), c.pts_text);
    }
}

TEST(Conversion, ConvertsPesetasToEuros) {
    const ConversionCase cases[] = {
        {"zero", spanish, "0,00", "0"},
        {"just under one euro rounds up", spanish, "1,00", "166"},
        {"two pesetas", spanish, "0,01", "2"},
        {"grouped million", spanish, "6.010,12", "1.000.000"},
        {"English", english, "6,010.12", "1,000,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.conversion.euro_from_pts_text(c.pts_text), c.euro_text);
    }
}

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
