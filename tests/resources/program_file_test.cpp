// Trelumo.exe as Windows reads it from the built file: the icon that Explorer, shortcuts and the
// installed programs show, its sizes, the version record and the manifest. The test runs in the
// folder of Trelumo.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/table_row.h"

namespace {

const wchar_t* const program = L"Trelumo.exe";
// The resource types, in the wide form the W functions take.
const wchar_t* const icon_image = MAKEINTRESOURCEW(3);      // RT_ICON
const wchar_t* const icon_group = MAKEINTRESOURCEW(14);     // RT_GROUP_ICON
const wchar_t* const manifest_type = MAKEINTRESOURCEW(24);  // RT_MANIFEST

std::vector<char> version_record() {
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(program, &ignored));
    if (record.empty() ||
        !GetFileVersionInfoW(program, 0, static_cast<DWORD>(record.size()), record.data())) {
        record.clear();
    }
    return record;
}

template <typename Item>
const Item* find(const std::vector<char>& record, const std::wstring& path) {
    void* item = nullptr;
    UINT length = 0;
    if (record.empty() || !VerQueryValueW(record.data(), path.c_str(), &item, &length) ||
        length == 0) {
        return nullptr;
    }
    return static_cast<const Item*>(item);
}

class VersionRecord : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(record_.empty()) << "no version record in Trelumo.exe"; }

    const std::vector<char> record_ = version_record();
};

TEST_F(VersionRecord, NumbersAreOnePointZeroPointZeroPointZero) {
    const auto* numbers = find<VS_FIXEDFILEINFO>(record_, L"\\");
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(numbers->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(numbers->dwFileVersionLS, 0u);
    EXPECT_EQ(numbers->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(numbers->dwProductVersionLS, 0u);
}

TEST_F(VersionRecord, TranslationIsSpanishOfSpainInUnicode) {
    const auto* translation = find<WORD>(record_, L"\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], 0x0C0A);
    EXPECT_EQ(translation[1], 1200);
}

struct Text {
    const char* name;
    const wchar_t* value;
};
using trelumo::table::PrintTo;

class VersionText : public VersionRecord, public testing::WithParamInterface<Text> {};

TEST_P(VersionText, StringTableHoldsIt) {
    std::wstring path = L"\\StringFileInfo\\0C0A04B0\\";
    for (const char* c = GetParam().name; *c; ++c) path += static_cast<wchar_t>(*c);
    const auto* text = find<wchar_t>(record_, path);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionText,
    testing::Values(Text{"CompanyName", L"Trelumo"},
                    Text{"FileDescription", L"Conversor de euros y pesetas"},
                    Text{"FileVersion", L"1.0.0"}, Text{"InternalName", L"Trelumo"},
                    Text{"LegalCopyright", L"\u00A9 2026 Trelumo contributors"},
                    Text{"OriginalFilename", L"Trelumo.exe"}, Text{"ProductName", L"Trelumo"},
                    Text{"ProductVersion", L"1.0.0"}),
    trelumo::table::RowName{});

// The program file loaded as data, for its resources.
class Resources : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(module_, nullptr) << "Trelumo.exe cannot be loaded"; }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    const HMODULE module_ =
        LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
};

BOOL CALLBACK add_language(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}
BOOL CALLBACK add_languages_of_name(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR languages) {
    EnumResourceLanguagesW(module, type, name, add_language, languages);
    return TRUE;
}
BOOL CALLBACK add_languages_of_type(HMODULE module, LPWSTR type, LONG_PTR languages) {
    EnumResourceNamesW(module, type, add_languages_of_name, languages);
    return TRUE;
}

TEST_F(Resources, AreAllSpanishOfSpain) {
    std::vector<WORD> languages;
    EnumResourceTypesW(module_, add_languages_of_type, reinterpret_cast<LONG_PTR>(&languages));
    ASSERT_FALSE(languages.empty());
    for (const WORD language : languages) EXPECT_EQ(language, 0x0C0A);
}

BOOL CALLBACK keep_first_name(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
    *reinterpret_cast<std::wstring*>(first) =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<UINT_PTR>(name)) : name;
    return FALSE;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, FirstIconGroupHoldsEverySizeIn32BitsAnd256AsPng) {
    std::wstring first;
    EnumResourceNamesW(module_, icon_group, keep_first_name, reinterpret_cast<LONG_PTR>(&first));
    ASSERT_FALSE(first.empty());
    const HRSRC group = FindResourceW(module_, first.c_str(), icon_group);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(module_, group)));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(directory + 3);
    std::vector<int> sizes;
    for (int i = 0; i < directory[2]; ++i) {
        const int size = entries[i].width ? entries[i].width : 256;
        sizes.push_back(size);
        EXPECT_EQ(entries[i].bits, 32) << size << " px";
        const HRSRC image = FindResourceW(module_, MAKEINTRESOURCEW(entries[i].id), icon_image);
        ASSERT_NE(image, nullptr);
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, image)));
        EXPECT_EQ(size == 256, std::memcmp(data, "\x89PNG", 4) == 0) << size << " px";
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

// The pixels of an icon drawn on black: the colours it holds.
std::vector<COLORREF> pixels_of(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < size * size; ++i) {
        const DWORD bgr = static_cast<const DWORD*>(bits)[i];
        pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// Explorer, a shortcut and the installed programs show a program with its icon number 0.
TEST(FileIcon, IsTheYellowEuroSign) {
    HICON large = nullptr;
    ASSERT_EQ(ExtractIconExW(program, 0, &large, nullptr, 1), 1u);
    const std::vector<COLORREF> pixels = pixels_of(large, GetSystemMetrics(SM_CXICON));
    DestroyIcon(large);
    int yellow = 0;
    int blue = 0;
    for (const COLORREF pixel : pixels) {
        yellow += pixel == RGB(0xFF, 0xFF, 0x00);
        blue += GetBValue(pixel) > 0x80 && GetRValue(pixel) < 0x80;
    }
    EXPECT_GT(yellow, static_cast<int>(pixels.size()) / 8) << "too little of the euro's yellow";
    EXPECT_EQ(blue, 0) << "blue, as the arrows are";
}

struct ManifestPart {
    const char* name;
    const char* text;
};

class Manifest : public Resources, public testing::WithParamInterface<ManifestPart> {};

TEST_P(Manifest, Says) {
    const HRSRC manifest = FindResourceW(module_, MAKEINTRESOURCEW(1), manifest_type);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module_, manifest))),
                           SizeofResource(module_, manifest));
    EXPECT_NE(text.find(GetParam().text), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Manifest,
    testing::Values(
        ManifestPart{"RunsWithTheRightsOfItsUser", "requestedExecutionLevel level=\"asInvoker\""},
        ManifestPart{"SupportsWindows10And11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
        ManifestPart{"SupportsWindows8Point1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        ManifestPart{"UsesCommonControls6", "Microsoft.Windows.Common-Controls"}),
    trelumo::table::RowName{});

}  // namespace
