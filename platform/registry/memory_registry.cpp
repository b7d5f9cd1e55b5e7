#include "platform/registry/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace trelumo::registry {
namespace {

constexpr KeyHandle predefined_roots[] = {classes_root, current_user, local_machine, users,
                                          current_config};

bool is_predefined(KeyHandle key) {
    return std::find(std::begin(predefined_roots), std::end(predefined_roots), key) !=
           std::end(predefined_roots);
}

// The small letter of a Windows-1252 capital, as Windows compares names; any other byte as it is.
char fold(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool capital =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    if (capital) return static_cast<char>(byte + 0x20);
    switch (byte) {
        case 0x8A:
            return '\x9A';  // Š
        case 0x8C:
            return '\x9C';  // Œ
        case 0x8E:
            return '\x9E';  // Ž
        case 0x9F:
            return '\xFF';  // Ÿ
        default:
            return c;
    }
}

std::string folded(std::string_view name) {
    std::string result(name);
    std::transform(result.begin(), result.end(), result.begin(), fold);
    return result;
}

// The folded path of sub_path below path.
std::string joined(std::string path, std::string_view sub_path) {
    while (!sub_path.empty()) {
        const auto end = std::min(sub_path.find('\\'), sub_path.size());
        if (end > 0) {
            if (!path.empty()) path += '\\';
            path += folded(sub_path.substr(0, end));
        }
        sub_path.remove_prefix(std::min(end + 1, sub_path.size()));
    }
    return path;
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
    for (const KeyHandle root : predefined_roots) keys_[{root, ""}];
}

void MemoryRegistry::add_key(KeyHandle root, std::string_view path, AccessMask rights) {
    std::string place;
    for (std::string_view rest = path; !rest.empty();) {
        const auto end = std::min(rest.find('\\'), rest.size());
        place = joined(place, rest.substr(0, end));
        keys_[{root, place}];
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    keys_[{root, place}].rights = rights;
}

void MemoryRegistry::set_value(KeyHandle root, std::string_view path, std::string_view name,
                               ValueType type, std::string_view bytes) {
    const Place place{root, joined("", path)};
    if (!keys_.contains(place)) add_key(root, path);
    keys_[place].values[folded(name)] = Value{type, std::string(bytes)};
}

std::optional<MemoryRegistry::Place> MemoryRegistry::find_open(KeyHandle key) const {
    if (is_predefined(key)) return Place{key, ""};
    const auto found = open_.find(key);
    if (found == open_.end()) return std::nullopt;
    return found->second;
}

Status MemoryRegistry::RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t,
                                     AccessMask access, KeyHandle* result) {
    if (result == nullptr) return invalid_parameter;
    *result = 0;
    const auto parent = find_open(key);
    if (!parent) return invalid_handle;
    if (sub_key != nullptr && sub_key[0] == '\\') return bad_pathname;
    Place place{parent->first, joined(parent->second, sub_key ? sub_key : "")};
    const auto found = keys_.find(place);
    if (found == keys_.end()) return file_not_found;
    if ((access & ~found->second.rights) != 0) return access_denied;
    *result = next_handle_;
    next_handle_ += 4;
    open_[*result] = std::move(place);
    return success;
}

Status MemoryRegistry::RegQueryValueExA(KeyHandle key, const char* value_name,
                                        std::uint32_t* reserved, ValueType* type,
                                        std::uint8_t* data, std::uint32_t* size) {
    if (reserved != nullptr || (data != nullptr && size == nullptr)) return invalid_parameter;
    const auto place = find_open(key);
    if (!place) return invalid_handle;
    const auto& values = keys_.at(*place).values;
    const auto found = values.find(folded(value_name ? value_name : ""));
    if (found == values.end()) return file_not_found;
    const Value& value = found->second;
    if (type != nullptr) *type = value.type;
    if (size == nullptr) return success;
    const auto capacity = *size;
    *size = static_cast<std::uint32_t>(value.bytes.size());
    if (data == nullptr) return success;
    if (value.bytes.size() > capacity) return more_data;
    std::memcpy(data, value.bytes.data(), value.bytes.size());
    return success;
}

Status MemoryRegistry::RegCloseKey(KeyHandle key) {
    if (is_predefined(key)) return success;
    return open_.erase(key) == 1 ? success : invalid_handle;
}

}  // namespace trelumo::registry
