// Windows' own registry, through advapi32. Built on Windows only.
#pragma once

#include "platform/registry/registry.h"

namespace trelumo::registry {

/// Passes each operation on to the Windows function of the same name. Handles cross as 32-bit
/// values: Windows keeps key handles within 32 bits and sign-extends the predefined ones.
class WindowsRegistry final : public Registry {
public:
    Status RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t options,
                         AccessMask access, KeyHandle* result) override;
    Status RegQueryValueExA(KeyHandle key, const char* value_name, std::uint32_t* reserved,
                            ValueType* type, std::uint8_t* data, std::uint32_t* size) override;
    Status RegCloseKey(KeyHandle key) override;
};

}  // namespace trelumo::registry
