// The About window's load, as every front-end runs it.
#include "ui/about/frmabout_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/about/frmabout_layout.h"

namespace trelumo::frmAbout {
namespace {

class RecordedWindow : public AboutView {
public:
    void set_title(std::string_view title) override { title_ = title; }
    void set_caption(int control, std::string_view caption) override {
        captions_[control] = caption;
    }

    std::string title_;
    std::map<int, std::string> captions_;
};

TEST(FrmAboutFormLoad, WritesTheTitleAndTheVersionNumbersInDecimalWithoutLeadingZeros) {
    RecordedWindow window;
    Form_Load(window, {"Trelumo", 1, 0, 0});
    EXPECT_EQ(window.title_, "Acerca de Trelumo");
    EXPECT_EQ(window.captions_[lblVersion], "Versión 1.0.0");
    EXPECT_EQ(window.captions_[lblTitle], "Trelumo");

    Form_Load(window, {"Otro", 2, 10, 300});
    EXPECT_EQ(window.captions_[lblVersion], "Versión 2.10.300");
    EXPECT_EQ(window.title_, "Acerca de Otro");
}

}  // namespace
}  // namespace trelumo::frmAbout
