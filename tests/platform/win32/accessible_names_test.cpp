// What a screen reader is told of the main window's controls through the Windows accessibility
// layer: each amount field is named by its label, as said, with its hint; each arrow by the
// direction it shows.
#include <gtest/gtest.h>
#include <oleacc.h>  // after <windows.h>, which it needs
#include <windows.h>

#include <string>

#include "platform/win32/stored_layout.h"
#include "platform/win32/wide_text.h"
#include "test_window.h"
#include "tests/support/table_row.h"
#include "ui/main_window/euro_layout.h"

namespace trelumo {
namespace {

// The text a call gave back, read once the call is made.
std::string text_of(HRESULT result, BSTR& text) {
    std::string read = result == S_OK && text ? utf8(text) : "";
    SysFreeString(text);
    text = nullptr;
    return read;
}

// "name | description", as a reader reads them from the control's accessible object.
std::string reader_text(HWND control) {
    IAccessible* accessible = nullptr;
    // IAccessible's id as its declaration has it: under Wine, the accessibility layer does not
    // answer to the one in MinGW-w64's libraries.
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible)) != S_OK)
        return "(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    std::string read = text_of(accessible->get_accName(self, &text), text);
    read += " | " + text_of(accessible->get_accDescription(self, &text), text);
    accessible->Release();
    return read;
}

struct ReaderCase {
    const char* name;
    int control;
    std::string heard;
};

using table::PrintTo;

class ReaderTextTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTextTest, IsTheControls) {
    CoInitialize(nullptr);
    testing_win32::TestWindow window;
    StoredLayout layout;
    layout.create(window.hwnd(), euro::layout, USER_DEFAULT_SCREEN_DPI);
    EXPECT_EQ(reader_text(layout[GetParam().control]), GetParam().heard);
    CoUninitialize();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderTextTest,
    testing::Values(ReaderCase{"euros", euro::text_euro, "Euros | Introduzca valor y pulse TAB"},
                    ReaderCase{"pesetas", euro::text_pts, "Pesetas | Introduzca valor y pulse TAB"},
                    ReaderCase{"arrow_right", euro::fdcha, "de euros a pesetas | "},
                    ReaderCase{"arrow_left", euro::fizq, "de pesetas a euros | "}),
    table::RowName());

}  // namespace
}  // namespace trelumo
