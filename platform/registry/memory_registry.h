// A registry held in memory: the provider where the system has no registry of its own, and the
// one the tests set up as they need.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/registry/registry.h"

namespace trelumo::registry {

/// Keeps keys, their rights and their values in memory. Starts with the predefined root keys,
/// empty and granting every right. Names are Windows-1252 text and compare as Windows compares
/// them, without regard to the case of any letter. A key path that opens a key may not begin with
/// a backslash (bad_pathname); other empty levels in it are skipped. Not safe for use from
/// several threads.
class MemoryRegistry final : public Registry {
public:
    MemoryRegistry();

    /// Creates the key at path below a root key, and any missing key above it, which grants
    /// every right. rights are the rights the key grants to whoever opens it: a key that may be
    /// read but not written grants key_read. An existing key takes the rights given.
    void add_key(KeyHandle root, std::string_view path, AccessMask rights = key_all_access);

    /// Stores a value of any type and any bytes, replacing one of the same name. Creates the key
    /// as add_key does if it does not exist. An empty name is the key's unnamed value.
    void set_value(KeyHandle root, std::string_view path, std::string_view name, ValueType type,
                   std::string_view bytes);

    Status RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t options,
                         AccessMask access, KeyHandle* result) override;
    Status RegQueryValueExA(KeyHandle key, const char* value_name, std::uint32_t* reserved,
                            ValueType* type, std::uint8_t* data, std::uint32_t* size) override;
    Status RegCloseKey(KeyHandle key) override;

private:
    struct Value {
        ValueType type;
        std::string bytes;
    };
    struct Key {
        AccessMask rights = key_all_access;
        std::map<std::string, Value> values;  // by folded name
    };
    // A key by its root and its folded path, levels joined by single backslashes.
    using Place = std::pair<KeyHandle, std::string>;
    std::optional<Place> find_open(KeyHandle key) const;

    std::map<Place, Key> keys_;
    std::map<KeyHandle, Place> open_;
    KeyHandle next_handle_ = 0x100;
};

}  // namespace trelumo::registry
