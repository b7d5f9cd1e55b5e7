#include "platform/registry/windows_registry.h"

#include <windows.h>

#include <cstdint>

namespace trelumo::registry {
namespace {

HKEY system_handle(KeyHandle key) {
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(key)));
}

KeyHandle handle_of(HKEY key) {
    return static_cast<KeyHandle>(reinterpret_cast<std::uintptr_t>(key));
}

// Runs a query with a DWORD in place of each of our 32-bit out values, which are of another type.
struct Dword {
    explicit Dword(std::uint32_t* ours) : ours(ours), value(ours ? *ours : 0) {}
    ~Dword() {
        if (ours) *ours = value;
    }
    DWORD* pointer() { return ours ? &value : nullptr; }

    std::uint32_t* ours;
    DWORD value;
};

}  // namespace

Status WindowsRegistry::RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t options,
                                      AccessMask access, KeyHandle* result) {
    HKEY opened = nullptr;
    const LONG status =
        ::RegOpenKeyExA(system_handle(key), sub_key, options, access, result ? &opened : nullptr);
    if (result != nullptr) *result = status == ERROR_SUCCESS ? handle_of(opened) : 0;
    return status;
}

Status WindowsRegistry::RegQueryValueExA(KeyHandle key, const char* value_name,
                                         std::uint32_t* reserved, ValueType* type,
                                         std::uint8_t* data, std::uint32_t* size) {
    Dword system_reserved(reserved), system_type(type), system_size(size);
    return ::RegQueryValueExA(system_handle(key), value_name, system_reserved.pointer(),
                              system_type.pointer(), data, system_size.pointer());
}

Status WindowsRegistry::RegCloseKey(KeyHandle key) {
    return ::RegCloseKey(system_handle(key));
}

}  // namespace trelumo::registry
