// The contract that GetKeyValue relies on, met by every registry provider.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <tuple>

#include "platform/registry/narrow_text.h"
#include "tests/platform/registry/registry_under_test.h"

namespace trelumo::registry {
namespace {

using namespace std::string_literals;

constexpr AccessMask read_write = 0x2003F;

// Names beyond ASCII are written in Windows-1252, the narrow code page nearly everywhere.
bool in_another_code_page(std::string_view names) {
    return narrow_from_utf8("€") != "\x80" &&
           !std::all_of(names.begin(), names.end(), [](char c) { return c >= 0; });
}

class RegistryTest {
protected:
    void set_up(const std::string& registry_name) {
        place_ = make_registry_under_test(registry_name);
        place_->add_key("Abierta", key_all_access);
        place_->add_key("Solo lectura", key_read);
        place_->add_key("A\xF1o", key_all_access);  // Año
        for (const auto* path : {"Abierta", "Solo lectura", "A\xF1o"}) {
            place_->set_value(path, "Valor", value_sz, "abc\0"s);
        }
    }

    Registry& registry() { return place_->registry(); }

    // Opens path below the root, with before put in front of the full key name.
    Status open(std::string_view path, AccessMask access, KeyHandle& key,
                std::string_view before = {}) {
        const std::string key_name = std::string(before) + place_->key_name(path);
        return registry().RegOpenKeyExA(place_->root(), key_name.c_str(), 0, access, &key);
    }

    std::unique_ptr<RegistryUnderTest> place_;
};

template <typename Case>
class RegistryTable : public RegistryTest,
                      public testing::TestWithParam<std::tuple<std::string, Case>> {
protected:
    void SetUp() override { set_up(std::get<0>(this->GetParam())); }
    const Case& row() const { return std::get<1>(this->GetParam()); }
};

template <typename Case>
std::string name_of(const testing::TestParamInfo<std::tuple<std::string, Case>>& info) {
    return std::get<0>(info.param) + "_" + std::string(std::get<1>(info.param).name);
}

struct OpenCase {
    std::string_view name;
    std::string_view path;
    AccessMask access;
    Status status;
    std::string_view before = {};
};

void PrintTo(const OpenCase& row, std::ostream* out) {
    *out << row.name;
}

const OpenCase opens[] = {
    {"WritableKeyForReadAndWrite", "Abierta", read_write, success},
    {"NamesIgnoreCase", "aBIERTA", read_write, success},
    {"NamesIgnoreCaseBeyondAscii", "A\xD1O", read_write, success},  // Año asked as AÑO
    {"LeadingBackslash", "Abierta", read_write, bad_pathname, "\\"},
    {"ReadOnlyKeyForReading", "Solo lectura", key_read, success},
    {"ReadOnlyKeyRefusesReadAndWrite", "Solo lectura", read_write, access_denied},
    {"ReadOnlyKeyRefusesSetValue", "Solo lectura", key_set_value, access_denied},
    {"MissingKey", "Cerrada", key_read, file_not_found},
    {"MissingKeyBelowAnExistingOne", "Abierta\\Cerrada", key_read, file_not_found},
};

using OpenTest = RegistryTable<OpenCase>;
TEST_P(OpenTest, GivesAHandleThatReadsTheKeyOnlyOnSuccess) {
    if (in_another_code_page(row().path))
        GTEST_SKIP() << "the narrow code page is not Windows-1252";
    KeyHandle key = 0;
    EXPECT_EQ(open(row().path, row().access, key, row().before), row().status);
    EXPECT_EQ(key != 0, row().status == success);
    if (key == 0) return;
    std::uint32_t size = 0;
    EXPECT_EQ(registry().RegQueryValueExA(key, "Valor", nullptr, nullptr, nullptr, &size), success);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(registry().RegCloseKey(key), success);
}
INSTANTIATE_TEST_SUITE_P(Table, OpenTest,
                         testing::Combine(testing::ValuesIn(registries_under_test()),
                                          testing::ValuesIn(opens)),
                         name_of<OpenCase>);

struct QueryCase {
    std::string_view name;
    ValueType type;
    std::string stored;
    std::uint32_t capacity;
    Status status;
    std::uint32_t size;
    std::string_view stored_name = "Valor";
    std::string_view asked_name = "Valor";
};

void PrintTo(const QueryCase& row, std::ostream* out) {
    *out << row.name;
}

const QueryCase queries[] = {
    {"FitsExactly", value_binary, "\x01\x00\x02"s, 3, success, 3},
    {"FitsWithRoomToSpare", value_binary, "\x01\x00\x02"s, 1024, success, 3},
    {"NoData", value_binary, "", 1024, success, 0},
    {"OneByteTooManyGivesTheSizeNeeded", value_binary, std::string(1025, 'x'), 1024, more_data,
     1025},
    {"StringOneByteTooMany", value_sz, std::string(1024, 'x') + '\0', 1024, more_data, 1025},
    {"TerminatedString", value_sz, "abc\0"s, 1024, success, 4},
    {"UnterminatedString", value_sz, "abc", 1024, success, 3},
    {"Number", value_dword, "\x78\x56\x34\x12", 1024, success, 4},
    {"UnnamedValue", value_sz, "abc\0"s, 1024, success, 4, "", ""},
    {"ValueNamesIgnoreCase", value_sz, "abc\0"s, 1024, success, 4, "Valor", "VALOR"},
    // àÿšœž asked as ÀŸŠŒŽ; × is no capital of ÷.
    {"ValueNamesIgnoreCaseOfEveryLetter", value_sz, "abc\0"s, 1024, success, 4,
     "\xE0\xFF\x9A\x9C\x9E", "\xC0\x9F\x8A\x8C\x8E"},
    {"SignsHaveNoCase", value_sz, "abc\0"s, 1024, file_not_found, 1024, "\xD7", "\xF7"},
    {"MissingValue", value_sz, "abc\0"s, 1024, file_not_found, 1024, "Valor", "Otro"},
};

using QueryTest = RegistryTable<QueryCase>;
TEST_P(QueryTest, HandsBackTypeBytesAndSize) {
    if (in_another_code_page(std::string(row().stored_name) + std::string(row().asked_name))) {
        GTEST_SKIP() << "the narrow code page is not Windows-1252";
    }
    place_->set_value("Abierta", row().stored_name, row().type, row().stored);
    KeyHandle key = 0;
    ASSERT_EQ(open("Abierta", read_write, key), success);
    std::array<std::uint8_t, 1024> data{};
    ValueType type = value_none;
    std::uint32_t size = row().capacity;
    EXPECT_EQ(registry().RegQueryValueExA(key, std::string(row().asked_name).c_str(), nullptr,
                                          &type, data.data(), &size),
              row().status);
    EXPECT_EQ(size, row().size);
    if (row().status == success) {
        EXPECT_EQ(type, row().type);
        EXPECT_EQ(std::string(data.begin(), data.begin() + size), row().stored);
    }
    EXPECT_EQ(registry().RegCloseKey(key), success);
}
INSTANTIATE_TEST_SUITE_P(Table, QueryTest,
                         testing::Combine(testing::ValuesIn(registries_under_test()),
                                          testing::ValuesIn(queries)),
                         name_of<QueryCase>);

// What is closed: a key just opened, 0, the root key, or a key closed already.
enum class Closing { opened, zero, root, closed_before };

struct CloseCase {
    std::string_view name;
    Closing closing;
    Status status;
};

void PrintTo(const CloseCase& row, std::ostream* out) {
    *out << row.name;
}

const CloseCase closes[] = {
    {"OpenedKey", Closing::opened, success},
    {"Zero", Closing::zero, invalid_handle},
    {"RootKey", Closing::root, success},
    {"KeyClosedBefore", Closing::closed_before, invalid_handle},
};

using CloseTest = RegistryTable<CloseCase>;
TEST_P(CloseTest, AnswersAndLeavesTheRegistryUsable) {
    KeyHandle key = row().closing == Closing::root ? current_user : 0;
    if (row().closing == Closing::opened || row().closing == Closing::closed_before) {
        ASSERT_EQ(open("Abierta", read_write, key), success);
    }
    if (row().closing == Closing::closed_before) registry().RegCloseKey(key);
    EXPECT_EQ(registry().RegCloseKey(key), row().status);

    KeyHandle again = 0;
    EXPECT_EQ(open("Abierta", read_write, again), success);
    EXPECT_EQ(registry().RegCloseKey(again), success);
}
INSTANTIATE_TEST_SUITE_P(Table, CloseTest,
                         testing::Combine(testing::ValuesIn(registries_under_test()),
                                          testing::ValuesIn(closes)),
                         name_of<CloseCase>);

}  // namespace
}  // namespace trelumo::registry
