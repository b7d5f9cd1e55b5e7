// The About window's registry reader over an in-memory registry that holds values of fuzzed type
// codes, with data of any length up to and past the reader's 1024-byte buffer, in a key that may
// be read-only, asked for by any key and value names below any root handle.
// Properties: the reader opens once, queries at most once and only an open key, closes exactly once
// and leaves no handle open; its buffer really is as large as it tells the registry; the result and
// KeyVal are what the value's bytes and type make of them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types/run_time_error.h"
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

std::string hexadecimal_from_last_byte(std::string_view bytes) {
    constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += digits[value >> 4];
        text += digits[value & 0xF];
    }
    return text;
}

// KeyVal after a successful read of these bytes, from the text it held before.
std::string expected_text(ValueType type, std::string_view bytes, const std::string& before) {
    if (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
    if (type == REG_SZ) return utf8_from_narrow(bytes);
    if (type == REG_DWORD) return hexadecimal_from_last_byte(bytes);
    return before;
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
    const std::string stored_key = narrow_from_utf8(key_path);
    setting.memory.add_key(current_user, stored_key,
                           input.ConsumeBool() ? key_all_access : key_read);
    std::vector<std::string> names;
    for (int i = input.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        names.push_back(input.ConsumeRandomLengthString(12));
        const ValueType type = input.ConsumeBool()
                                   ? input.PickValueInArray({REG_NONE, REG_SZ, REG_EXPAND_SZ,
                                                             REG_BINARY, REG_DWORD, REG_MULTI_SZ})
                                   : input.ConsumeIntegral<ValueType>();
        const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, longest_data);
        const char filler = input.ConsumeIntegral<char>();
        std::string bytes = input.ConsumeBytesAsString(length);
        bytes.resize(length, filler);
        setting.memory.set_value(current_user, stored_key, narrow_from_utf8(names.back()), type,
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
    bool result = false;
    bool raised = false;
    try {
        result = GetKeyValue(watched, setting.root, setting.key_name, setting.value_name, key_val);
    } catch (const RunTimeError& error) {
        raised = true;
        const auto& answer = watched.last_answer();
        require(error.number() == 5 && answer && answer->status == success && answer->bytes.empty(),
                "only a value without data raises an error, the invalid-argument one");
        require(key_val == setting.before, "an error leaves KeyVal as it was", key_val);
    }

    require(watched.opens() == 1, "the key is opened once");
    require(watched.queries() <= 1, "the value is queried once at most");
    require(watched.closes() == 1, "the key is closed once");
    require(watched.open_handles().empty(), "no handle is left open");
    if (raised) return 0;

    const auto& answer = watched.last_answer();
    if (!answer || answer->status != success) {
        require(!result && key_val.empty(), "a failed open or query gives False and empty KeyVal",
                key_val);
        return 0;
    }
    require(result, "a value read gives True");
    require(answer->bytes.size() <= 1024, "a value read fits in 1024 bytes");
    require(key_val == expected_text(answer->type, answer->bytes, setting.before),
            "KeyVal is what the value's type makes of its bytes", key_val, answer->bytes);
    return 0;
}
