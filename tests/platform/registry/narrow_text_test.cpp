#include "platform/registry/narrow_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/registry/windows_1252.h"

namespace trelumo::registry {
namespace {

using namespace std::string_literals;

struct Converter {
    std::string_view name;
    std::optional<std::string> (*to_narrow)(std::string_view);
    std::string (*from_narrow)(std::string_view);
};

// The system's narrow text is checked where its code page is Windows-1252: everywhere but on
// Windows set up for another language.
const Converter converters[] = {
    {"Windows1252", windows_1252_from_utf8, utf8_from_windows_1252},
    {"SystemNarrowText", narrow_from_utf8, utf8_from_narrow},
};

void PrintTo(const Converter& converter, std::ostream* out) {
    *out << converter.name;
}

// Texts that convert both ways, and texts without a narrow form: with a character that the code
// page lacks, look-alikes of its own included, or no UTF-8 at all.
struct Text {
    std::string_view name;
    std::string utf8;
    std::optional<std::string> narrow;
};

void PrintTo(const Text& text, std::ostream* out) {
    *out << text.name;
}

const Text texts[] = {
    {"Empty", "", ""},
    {"Ascii", "Hola, mundo 0-9", "Hola, mundo 0-9"},
    {"SpanishLetters", "ñÑáéíóúüÜ¿¡ªº", "\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC\xDC\xBF\xA1\xAA\xBA"},
    {"EuroSign", "5 €", "5 \x80"},
    {"SpecialRange", "‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
     "\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A"
     "\x9B\x9C\x9E\x9F"},
    {"UnassignedBytesAsControls", "\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
    {"NoBreakSpaceAndLastByte", "\u00A0\u00FF", "\xA0\xFF"},
    {"ZeroBytesKept", "a\0b\0"s, "a\0b\0"s},
    {"GreekLetter", "QΩ", std::nullopt},
    {"LookAlikeOfALetterInThePage", "ā", std::nullopt},
    {"CharacterBeyondSixteenBits", "\xF0\x9F\x98\x80!", std::nullopt},
    {"LoneContinuationByte", "a\x80z", std::nullopt},
    {"CutSequence", "a\xC3", std::nullopt},
    {"OverlongSlash", "\xC0\xAF", std::nullopt},
    {"EncodedSurrogate", "\xED\xA0\x80", std::nullopt},
};

class NarrowTextTest : public testing::TestWithParam<std::tuple<Converter, Text>> {
protected:
    void SetUp() override {
        if (std::get<0>(GetParam()).to_narrow == narrow_from_utf8 &&
            narrow_from_utf8("€") != "\x80") {
            GTEST_SKIP() << "the system's narrow code page is not Windows-1252";
        }
    }
};

TEST_P(NarrowTextTest, Converts) {
    const auto& [converter, text] = GetParam();
    EXPECT_EQ(converter.to_narrow(text.utf8), text.narrow);
    if (text.narrow) {
        EXPECT_EQ(converter.from_narrow(*text.narrow), text.utf8);
    }
}

std::string name_of(const testing::TestParamInfo<std::tuple<Converter, Text>>& info) {
    return std::string(std::get<0>(info.param).name) + "_" +
           std::string(std::get<1>(info.param).name);
}

INSTANTIATE_TEST_SUITE_P(Table, NarrowTextTest,
                         testing::Combine(testing::ValuesIn(converters), testing::ValuesIn(texts)),
                         name_of);

}  // namespace
}  // namespace trelumo::registry
