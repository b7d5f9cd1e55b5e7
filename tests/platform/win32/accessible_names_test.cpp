// What a screen reader is told of the main window's amount fields through the Windows
// accessibility layer: each field is named by its label.
#include <gtest/gtest.h>
#include <oleacc.h>  // after <windows.h>, which it needs
#include <windows.h>

#include <string>

#include "platform/win32/layout.h"
#include "platform/win32/wide_text.h"
#include "test_window.h"
#include "tests/support/table_row.h"
#include "ui/main_window/win32/euro_layout.h"

namespace trelumo {
namespace {

// IAccessible's interface id, spelled out: with the one from MinGW-w64's libraries, the
// accessibility layer under Wine answers that it has no such interface.
constexpr GUID accessible_interface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string accessible_name(HWND control) {
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), accessible_interface,
                                   reinterpret_cast<void**>(&accessible)) != S_OK)
        return "(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = accessible->get_accName(self, &name) == S_OK && name ? utf8(name) : "";
    SysFreeString(name);
    accessible->Release();
    return text;
}

struct NameCase {
    const char* name;
    int field;
    std::string accessible_name;
};

class FieldNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(FieldNameTest, IsItsLabel) {
    CoInitialize(nullptr);
    testing_win32::TestWindow window;
    Controls controls;
    controls.create(window.hwnd(), euro_layout::controls, USER_DEFAULT_SCREEN_DPI);
    EXPECT_EQ(accessible_name(controls[GetParam().field]), GetParam().accessible_name);
    CoUninitialize();
}

INSTANTIATE_TEST_SUITE_P(Table, FieldNameTest,
                         testing::Values(NameCase{"euros", euro_layout::text_euro, "Euros:"},
                                         NameCase{"pesetas", euro_layout::text_pts, "Pesetas:"}),
                         table::RowName());

}  // namespace
}  // namespace trelumo
