// The About window's registry reader over an in-memory registry that holds values of fuzzed type
// codes, with data of any length up to and past the reader's 1024-byte buffer, in a key that may
// be read-only, asked for by any key and value names below any root handle.
// Properties: the reader opens at most once (never with a name that the narrow code page cannot
// hold), queries at most once and only an open key, closes exactly once and leaves no handle open;
// its buffer really is as large as it tells the registry; the result and KeyVal are what the
// value's bytes and type make of them, read back independently of how the reader writes them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/memory_registry.h"
#include "platform/registry/narrow_text.h"
#include "tests/fuzz/check.h"
#include "tests/fuzz/watched_registry.h"
#include "ui/about/get_key_value.h"

namespace {

using namespace trelumo;
using namespace trelumo::registry;
using fuzz::require;

constexpr std::size_t longest_data = 1100;  // past the reader's 1024 bytes
constexpr ValueType multi_sz = 7;           // a sequence of strings: no text of the reader's

// The bytes that an "&h" text stands for: two upper-case hexadecimal digits a byte, the last byte
// first. Nothing when the text is not of that form.
std::optional<std::string> bytes_from_hexadecimal(std::string_view text) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    if (!text.starts_with("&h") || text.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t at = text.size(); at > 2; at -= 2) {
        const auto high = digits.find(text[at - 2]);
        const auto low = digits.find(text[at - 1]);
        if (high == digits.npos || low == digits.npos) return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

struct Setting {
    MemoryRegistry memory;
    KeyHandle root = current_user;
    std::string key_name;
    std::string value_name;
    std::string before;
};

void fill(FuzzedDataProvider& input, Setting& setting) {
    const std::string key_path = input.ConsumeRandomLengthString(24);
    // A name without a narrow form is stored as it is; the reader never asks for it.
    const std::string stored_key = narrow_from_utf8(key_path).value_or(key_path);
    setting.memory.add_key(current_user, stored_key,
                           input.ConsumeBool() ? key_all_access : key_read);
    std::vector<std::string> names;
    for (int i = input.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        names.push_back(input.ConsumeRandomLengthString(12));
        const ValueType type = input.ConsumeBool()
                                   ? input.PickValueInArray({value_none, value_sz, value_expand_sz,
                                                             value_binary, value_dword, multi_sz})
                                   : input.ConsumeIntegral<ValueType>();
        const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, longest_data);
        const char filler = input.ConsumeIntegral<char>();
        std::string bytes = input.ConsumeBytesAsString(length);
        bytes.resize(length, filler);
        setting.memory.set_value(current_user, stored_key,
                                 narrow_from_utf8(names.back()).value_or(names.back()), type,
                                 bytes);
    }
    if (!input.ConsumeBool()) setting.root = input.ConsumeIntegral<KeyHandle>();
    setting.key_name = input.ConsumeBool() ? key_path : input.ConsumeRandomLengthString(24);
    setting.value_name = !names.empty() && input.ConsumeBool()
                             ? names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)]
                             : input.ConsumeRandomLengthString(12);
    setting.before = input.ConsumeRandomLengthString(8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Setting setting;
    fill(input, setting);
    fuzz::WatchedRegistry watched(setting.memory);

    std::string key_val = setting.before;
    const bool result =
        GetKeyValue(watched, setting.root, setting.key_name, setting.value_name, key_val);

    const bool key_name_held = narrow_from_utf8(setting.key_name).has_value();
    require(watched.opens() == (key_name_held ? 1 : 0),
            "the key is opened once, unless the code page cannot hold its name");
    require(watched.queries() <= 1, "the value is queried once at most");
    require(watched.queries() == 0 || narrow_from_utf8(setting.value_name),
            "no value is asked for by a name that the code page cannot hold");
    require(watched.closes() == 1, "the key is closed once");
    require(watched.open_handles().empty(), "no handle is left open");

    const auto& answer = watched.last_answer();
    if (!answer || answer->status != success) {
        require(!result && key_val.empty(), "a failed open or query gives False and empty KeyVal",
                key_val);
        return 0;
    }
    require(result, "a value read gives True");
    require(answer->bytes.size() <= 1024, "a value read fits in 1024 bytes");
    std::string_view read = answer->bytes;
    if (read.ends_with('\0')) read.remove_suffix(1);
    if (answer->type == value_sz) {
        require(narrow_from_utf8(key_val) == read,
                "KeyVal is a string's data but one trailing zero byte", key_val, answer->bytes);
    } else if (answer->type == value_dword) {
        require(bytes_from_hexadecimal(key_val) == read,
                "KeyVal is &h and a number's data but one trailing zero byte, last byte first",
                key_val, answer->bytes);
    } else {
        require(key_val == setting.before, "a value of another type leaves KeyVal as it was",
                key_val, setting.before);
    }
    return 0;
}
