// The separators taken from Windows' locale data, and Spanish where that gives nothing usable.
#include "platform/win32/locale_separators.h"

#include <gtest/gtest.h>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

struct LocaleCase {
    const char* name;
    const wchar_t* locale;
    Separators separators;
};

class LocaleSeparatorsTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSeparatorsTest, AreTheLocalesOrSpanish) {
    const Separators separators = separators_of(GetParam().locale);
    EXPECT_EQ(separators.decimal, GetParam().separators.decimal);
    EXPECT_EQ(separators.group, GetParam().separators.group);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocaleSeparatorsTest,
    testing::Values(LocaleCase{"spanish_spain", L"es-ES", {",", "."}},
                    LocaleCase{"english_united_states", L"en-US", {".", ","}},
                    LocaleCase{"unknown_locale_reads_as_spanish", L"zz-QQ", {",", "."}}),
    trelumo::table::RowName());

}  // namespace
}  // namespace trelumo
