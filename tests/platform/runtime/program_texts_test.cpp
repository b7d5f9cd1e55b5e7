#include "platform/runtime/program_texts.h"

#include <gtest/gtest.h>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

TEST(ProgramTexts, VersionLineIsTheNumbersInDecimalWithoutLeadingZeros) {
    EXPECT_EQ(texts::version_line(1, 0, 0), "Versión 1.0.0");
    EXPECT_EQ(texts::version_line(2, 10, 300), "Versión 2.10.300");
}

struct HelpCase {
    const char* name;
    const char* help_file;
    const char* document;
};

using table::PrintTo;

class HelpDocumentName : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpDocumentName, IsTheFileNamesStemInLowerCaseAsHtml) {
    EXPECT_EQ(texts::help_document_name(GetParam().help_file), GetParam().document);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HelpDocumentName,
    testing::Values(HelpCase{"TheProgramsOwn", texts::help_file, "trelumo.html"},
                    HelpCase{"InAFolder", "C:\\Ayuda\\Otro.HLP", "otro.html"},
                    HelpCase{"InAUnixFolder", "/usr/share/otro.hlp", "otro.html"},
                    HelpCase{"OnADrive", "D:TRELUMO.HLP", "trelumo.html"},
                    HelpCase{"WithoutExtension", "TRELUMO", "trelumo.html"},
                    HelpCase{"OnlyTheLastExtension", "a.b.HLP", "a.b.html"},
                    HelpCase{"HiddenStyle", ".hlp", ".hlp.html"}, HelpCase{"Empty", "", ""},
                    HelpCase{"FolderOnly", "C:\\Ayuda\\", ""}, HelpCase{"Dots", "..", ""}),
    table::RowName());

}  // namespace
}  // namespace trelumo
