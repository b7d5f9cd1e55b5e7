#include "ui/about/get_key_value.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/registry/narrow_text.h"
#include "platform/registry/system_registry.h"

namespace trelumo {
namespace {

using namespace registry;

// Read and write rights: read-control with every key right, 0x2003F.
constexpr AccessMask read_write_access = read_control | key_query_value | key_set_value |
                                         key_create_sub_key | key_enumerate_sub_keys | key_notify |
                                         key_create_link;

std::string hexadecimal_from_last_byte(std::span<const std::uint8_t> data) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text = "&h";
    std::for_each(data.rbegin(), data.rend(), [&](std::uint8_t byte) {
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    });
    return text;
}

// Everything but the close: leaves the opened key, or 0, in key. A name that the narrow code
// page cannot hold fails as a missing one: with '?' in place of a character it might find another.
bool read_value(Registry& registry, KeyHandle root, const std::string& key_name,
                const std::string& value_name, KeyHandle& key, std::string& text) {
    const auto narrow_key_name = narrow_from_utf8(key_name);
    if (!narrow_key_name || registry.RegOpenKeyExA(root, narrow_key_name->c_str(), 0,
                                                   read_write_access, &key) != success) {
        text.clear();
        return false;
    }
    std::array<std::uint8_t, 1024> data{};
    std::uint32_t size = data.size();
    ValueType type = value_none;
    const auto narrow_value_name = narrow_from_utf8(value_name);
    if (!narrow_value_name || registry.RegQueryValueExA(key, narrow_value_name->c_str(), nullptr,
                                                        &type, data.data(), &size) != success) {
        text.clear();
        return false;
    }
    size = std::min<std::uint32_t>(size, data.size());
    // One trailing zero byte goes, whatever the type; with no data there is none to look at.
    if (size > 0 && data[size - 1] == 0) --size;
    if (type == value_sz) {
        text = utf8_from_narrow({reinterpret_cast<const char*>(data.data()), size});
    } else if (type == value_dword) {
        text = hexadecimal_from_last_byte({data.data(), size});
    }
    return true;
}

}  // namespace

bool GetKeyValue(Registry& registry, const KeyHandle& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    KeyHandle key = 0;
    const bool result = read_value(registry, KeyRoot, KeyName, SubKeyRef, key, KeyVal);
    registry.RegCloseKey(key);
    return result;
}

bool GetKeyValue(const KeyHandle& KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
    return GetKeyValue(system_registry(), KeyRoot, KeyName, SubKeyRef, KeyVal);
}

}  // namespace trelumo
