#include "platform/runtime/locale_fallback.h"

#include <gtest/gtest.h>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

struct LocaleCase {
    const char* name;
    std::optional<Separators> locale;
    Separators used;
};

using table::PrintTo;

class LocaleFallback : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleFallback, TakesTheLocalesSeparatorsWhenUsableElseSpanish) {
    const Separators used = separators_or_spanish(GetParam().locale);
    EXPECT_EQ(used.decimal, GetParam().used.decimal);
    EXPECT_EQ(used.group, GetParam().used.group);
}

const Separators spanish{",", "."};
const Separators english{".", ","};

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleFallback,
    testing::Values(LocaleCase{"English", english, english},
                    LocaleCase{"Swiss", Separators{".", "’"}, Separators{".", "’"}},
                    LocaleCase{"French", Separators{",", "\u202f"}, Separators{",", "\u202f"}},
                    LocaleCase{"Unknown", std::nullopt, spanish},
                    LocaleCase{"NoDecimal", Separators{"", "."}, spanish},
                    LocaleCase{"NoGroup", Separators{".", ""}, spanish},
                    LocaleCase{"OneForBoth", Separators{".", "."}, spanish},
                    LocaleCase{"ADigit", Separators{"0", "."}, spanish},
                    LocaleCase{"ADigitInTheGroup", Separators{",", "1 "}, spanish}),
    table::RowName());

}  // namespace
}  // namespace trelumo
