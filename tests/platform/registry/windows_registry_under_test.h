// Windows' own registry, with the test's keys under HKEY_CURRENT_USER\Software. Windows only.
#pragma once

#include <map>
#include <string>

#include "platform/registry/windows_registry.h"
#include "tests/platform/registry/registry_under_test.h"

struct HKEY__;

namespace trelumo::registry {

/// Builds the test's keys in a key named after the process, so that test programs running at
/// the same time keep apart, and removes that key with everything in it when destroyed.
class WindowsRegistryUnderTest final : public RegistryUnderTest {
public:
    WindowsRegistryUnderTest();
    ~WindowsRegistryUnderTest() override;

    Registry& registry() override { return registry_; }
    std::string key_name(std::string_view path) const override;
    void add_key(std::string_view path, AccessMask rights) override;
    void set_value(std::string_view path, std::string_view name, ValueType type,
                   std::string_view bytes) override;

private:
    WindowsRegistry registry_;
    std::string place_;
    // The keys made, each held open with every right since it was made, so that values can be
    // stored in it and its permissions given back whatever rights it grants others.
    std::map<std::string, HKEY__*, std::less<>> keys_;
};

}  // namespace trelumo::registry
