#include "platform/runtime/program_texts.h"

#include <gtest/gtest.h>

#include "tests/support/table_row.h"

namespace trelumo {
namespace {

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
    testing::Values(HelpCase{"TheProgramsOwn", "TRELUMO.HLP", "trelumo.html"},
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
