// The version record and icon compiled into this test program, as Windows reads them from the
// program file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../support/table_row.h"

namespace {

std::vector<char> own_version_record() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(path, &ignored));
    if (record.empty() ||
        !GetFileVersionInfoA(path, 0, static_cast<DWORD>(record.size()), record.data())) {
        record.clear();
    }
    return record;
}

template <typename Item>
const Item* find(const std::vector<char>& record, const std::string& path) {
    void* item = nullptr;
    UINT length = 0;
    if (record.empty() || !VerQueryValueA(record.data(), path.c_str(), &item, &length) ||
        length == 0) {
        return nullptr;
    }
    return static_cast<const Item*>(item);
}

class VersionRecordTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(record_.empty()) << "no version record"; }

    const std::vector<char> record_ = own_version_record();
};

TEST_F(VersionRecordTest, NumbersAreOnePointZeroPointZeroPointZero) {
    const auto* numbers = find<VS_FIXEDFILEINFO>(record_, "\\");
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(numbers->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(numbers->dwFileVersionLS, 0u);
    EXPECT_EQ(numbers->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(numbers->dwProductVersionLS, 0u);
}

TEST_F(VersionRecordTest, TranslationIsSpanishInUnicode) {
    const auto* translation = find<WORD>(record_, "\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], 0x040A);
    EXPECT_EQ(translation[1], 1200);
}

struct Text {
    const char* name;
    const char* value;
};

class VersionTextTest : public VersionRecordTest, public testing::WithParamInterface<Text> {};

TEST_P(VersionTextTest, StringTableHoldsIt) {
    const auto* text =
        find<char>(record_, std::string("\\StringFileInfo\\040A04B0\\") + GetParam().name);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, VersionTextTest,
                         testing::Values(Text{"CompanyName", "Trelumo"},
                                         Text{"FileDescription", "Conversor de euros y pesetas"},
                                         Text{"FileVersion", "1.00"},
                                         Text{"InternalName", "Trelumo"},
                                         Text{"OriginalFilename", "Trelumo.exe"},
                                         Text{"ProductName", "Trelumo"},
                                         Text{"ProductVersion", "1.00"}),
                         trelumo::table::RowName());

TEST(ProgramIcon, IsThere) {
    EXPECT_NE(FindResourceA(nullptr, "IDI_ICON1", RT_GROUP_ICON), nullptr)
        << "no icon group IDI_ICON1";
}

}  // namespace
