// The help document's text as the help window shows it.
#include "platform/win32/help_text.h"

#include <gtest/gtest.h>

#include <string>

namespace trelumo {
namespace {

struct HtmlCase {
    const char* name;
    std::string html;
    std::string text;
};

class HelpTextTest : public testing::TestWithParam<HtmlCase> {};

TEST_P(HelpTextTest, ShowsTheDocumentsTextLineByLine) {
    EXPECT_EQ(text_of_html(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HelpTextTest,
    testing::Values(HtmlCase{"head_left_out",
                             "<head><title>Ayuda</title></head><body><p>Hola</p></body>", "Hola"},
                    HtmlCase{"blanks_collapsed_inline_tags_dropped",
                             "<p>Pulse\n  la tecla <b>TAB</b>.</p>", "Pulse la tecla TAB."},
                    HtmlCase{"heading_then_paragraph", "<h2>Redondeo</h2><p>Al más próximo.</p>",
                             "Redondeo\r\n\r\nAl más próximo."},
                    HtmlCase{"numbered_list", "<ol><li>Escriba</li><li>Pulse</li></ol>",
                             "   1. Escriba\r\n   2. Pulse"},
                    HtmlCase{"entities", "<p>&lt;1&gt; &amp; &#243; &#xE9;</p>", "<1> & ó é"},
                    HtmlCase{"table_cells_by_tabs",
                             "<table><tr><td>F1</td><td>Ayuda</td></tr></table>", "F1\tAyuda"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trelumo
