#include "ui/about/get_key_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry/memory_registry.h"
#include "platform/registry/narrow_text.h"
#include "tests/platform/registry/registry_under_test.h"

namespace trelumo {
namespace {

using namespace registry;
using namespace std::string_literals;

// Passes every call on, noting the handle each open gave (0 after a failure) and each handle
// closed.
class HandleLog final : public Registry {
public:
    explicit HandleLog(Registry& registry) : registry_(registry) {}

    Status RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t options,
                         AccessMask access, KeyHandle* result) override {
        const Status status = registry_.RegOpenKeyExA(key, sub_key, options, access, result);
        opened.push_back(*result);
        return status;
    }
    Status RegQueryValueExA(KeyHandle key, const char* value_name, std::uint32_t* reserved,
                            ValueType* type, std::uint8_t* data, std::uint32_t* size) override {
        return registry_.RegQueryValueExA(key, value_name, reserved, type, data, size);
    }
    Status RegCloseKey(KeyHandle key) override {
        closed.push_back(key);
        return registry_.RegCloseKey(key);
    }

    std::vector<KeyHandle> opened;
    std::vector<KeyHandle> closed;

private:
    Registry& registry_;
};

enum class KeyState { writable, read_only, missing };

// The key and value as they are stored, narrow; the names as the caller asks, UTF-8.
struct Case {
    std::string_view name;
    ValueType type = value_sz;
    std::string bytes = {};
    std::string before = "antes";
    bool read = true;
    std::string after = {};
    KeyState key = KeyState::writable;
    std::string_view stored_key = "Valores";
    std::string asked_key = "Valores";
    std::string_view stored_name = "Valor";
    std::string asked_name = "Valor";
};

void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

const Case cases[] = {
    {.name = "MissingKey", .read = false, .key = KeyState::missing},
    {.name = "MissingValue", .bytes = "abc\0"s, .read = false, .asked_name = "Otro"},
    {.name = "KeyThatMayNotBeWritten",
     .bytes = "abc\0"s,
     .read = false,
     .key = KeyState::read_only},

    {.name = "StringWithTerminator", .bytes = "abc\0"s, .after = "abc"},
    {.name = "StringWithoutTerminator", .bytes = "abc", .after = "abc"},
    {.name = "StringWithTwoTerminators", .bytes = "abc\0\0"s, .after = "abc\0"s},
    {.name = "StringWithZeroInside", .bytes = "ab\0c\0"s, .after = "ab\0c"s},
    {.name = "EmptyString", .bytes = "\0"s, .after = ""},
    {.name = "StringFillingTheBuffer",
     .bytes = std::string(1023, 'x') + '\0',
     .after = std::string(1023, 'x')},
    {.name = "StringOneByteOverTheBuffer", .bytes = std::string(1024, 'x') + '\0', .read = false},
    {.name = "UnnamedValue",
     .bytes = "abc\0"s,
     .after = "abc",
     .stored_name = "",
     .asked_name = ""},
    {.name = "Windows1252Text",
     .bytes = "Espa\xF1"
              "a, caf\xE9 y 5 \x80\0"s,
     .after = "España, café y 5 €",
     .stored_key = "Configuraci\xF3n",
     .asked_key = "Configuración",
     .stored_name = "Se\xF1"
                    "al",
     .asked_name = "Señal"},
    // Not passed on with '?' for the Ω, which would read the key or value named "Q?".
    {.name = "KeyNameOutsideTheCodePage",
     .bytes = "abc\0"s,
     .read = false,
     .stored_key = "Q?",
     .asked_key = "QΩ"},
    {.name = "ValueNameOutsideTheCodePage",
     .bytes = "abc\0"s,
     .read = false,
     .stored_name = "Q?",
     .asked_name = "QΩ"},

    {.name = "Number", .type = value_dword, .bytes = "\x78\x56\x34\x12", .after = "&h12345678"},
    {.name = "NumberWithZeroHighBytes",
     .type = value_dword,
     .bytes = "\x2B\x1A\0\0"s,
     .after = "&h001A2B"},
    {.name = "Ten", .type = value_dword, .bytes = "\x0A\0\0\0"s, .after = "&h00000A"},
    {.name = "OnlyTheHighByteSet",
     .type = value_dword,
     .bytes = "\0\0\0\x01"s,
     .after = "&h01000000"},
    {.name = "Zero", .type = value_dword, .bytes = "\0\0\0\0"s, .after = "&h000000"},
    {.name = "AllBitsSet", .type = value_dword, .bytes = "\xFF\xFF\xFF\xFF", .after = "&hFFFFFFFF"},
    {.name = "NumberOfOneZeroByte", .type = value_dword, .bytes = "\0"s, .after = "&h"},
    {.name = "NumberAfterEmptyText",
     .type = value_dword,
     .bytes = "\x0A\0\0\0"s,
     .before = "",
     .after = "&h00000A"},

    {.name = "ExpandableStringKeepsKeyVal",
     .type = value_expand_sz,
     .bytes = "%PATH%\0"s,
     .after = "antes"},
    {.name = "BytesKeepKeyVal", .type = value_binary, .bytes = "\x01\x02", .after = "antes"},

    // No data at all: nothing to drop, and the value reads as empty where it is converted.
    {.name = "StringOfNoBytes", .bytes = "", .after = ""},
    {.name = "NumberOfNoBytes", .type = value_dword, .bytes = "", .after = "&h"},
    {.name = "BytesOfNoBytes", .type = value_binary, .bytes = "", .after = "antes"},
};

bool is_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0; });
}

class GetKeyValueTest : public testing::TestWithParam<std::tuple<std::string, Case>> {
protected:
    void SetUp() override {
        const Case& row = std::get<1>(GetParam());
        if (!is_ascii(row.asked_key + row.asked_name + row.after) &&
            narrow_from_utf8("€") != "\x80") {
            GTEST_SKIP() << "the system's narrow code page is not Windows-1252";
        }
        place_ = make_registry_under_test(std::get<0>(GetParam()));
        if (row.key == KeyState::missing) return;
        place_->add_key(row.stored_key, row.key == KeyState::read_only ? key_read : key_all_access);
        place_->set_value(row.stored_key, row.stored_name, row.type, row.bytes);
    }

    std::unique_ptr<RegistryUnderTest> place_;
};

TEST_P(GetKeyValueTest, ReadsTheValueAndClosesTheKey) {
    const Case& row = std::get<1>(GetParam());
    HandleLog log(place_->registry());
    std::string KeyVal = row.before;

    EXPECT_EQ(
        GetKeyValue(log, place_->root(), place_->key_name(row.asked_key), row.asked_name, KeyVal),
        row.read);
    EXPECT_EQ(KeyVal, row.after);

    ASSERT_LE(log.opened.size(), 1u);
    const KeyHandle opened = log.opened.empty() ? 0 : log.opened.front();
    EXPECT_EQ(log.closed, std::vector<KeyHandle>{opened})
        << "the one handle, 0 after a failed or refused open, closed once";
}

INSTANTIATE_TEST_SUITE_P(Table, GetKeyValueTest,
                         testing::Combine(testing::ValuesIn(registries_under_test()),
                                          testing::ValuesIn(cases)),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "_" +
                                    std::string(std::get<1>(info.param).name);
                         });

TEST(GetKeyValue, ResultMayGoToTheVariableHoldingTheValueName) {
    MemoryRegistry registry;
    registry.set_value(current_user, "Software\\Trelumo", "Version", value_sz, "1.00\0"s);
    std::string text = "Version";
    EXPECT_TRUE(GetKeyValue(registry, current_user, "Software\\Trelumo", text, text));
    EXPECT_EQ(text, "1.00");
}

TEST(GetKeyValue, ReadsTheSystemsRegistry) {
    const auto place = make_registry_under_test(registries_under_test().back());
    place->add_key("Sistema", key_all_access);
    place->set_value("Sistema", "", value_dword, "\x0A\0\0\0"s);
    std::string KeyVal;
    const bool read = GetKeyValue(place->root(), place->key_name("Sistema"), "", KeyVal);
#ifdef _WIN32
    EXPECT_TRUE(read);
    EXPECT_EQ(KeyVal, "&h00000A");
#else
    EXPECT_FALSE(read) << "there is no registry here but an empty one";
    EXPECT_EQ(KeyVal, "");
#endif
}

}  // namespace
}  // namespace trelumo
