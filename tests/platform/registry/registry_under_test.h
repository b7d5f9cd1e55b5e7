// The registries that the registry tests run against: the in-memory one everywhere, and on
// Windows also the system's own, in a key of the test's own that is removed afterwards.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry.h"

namespace trelumo::registry {

/// A place in a registry where a test builds the keys and values it reads. Paths are relative
/// to that place; paths and names are narrow text, as the registry takes them.
class RegistryUnderTest {
public:
    virtual ~RegistryUnderTest() = default;

    virtual Registry& registry() = 0;
    /// The root key that the test's place lies below.
    KeyHandle root() const { return current_user; }
    /// The path below root() of a path of the test's place, in the text form of path.
    virtual std::string key_name(std::string_view path) const = 0;

    /// Creates a key granting the rights given to whoever opens it.
    virtual void add_key(std::string_view path, AccessMask rights) = 0;
    /// Stores exactly the bytes given in a key that add_key made.
    virtual void set_value(std::string_view path, std::string_view name, ValueType type,
                           std::string_view bytes) = 0;
};

/// The names of the registries available here: "Memory", and on Windows "Windows".
std::vector<std::string> registries_under_test();
std::unique_ptr<RegistryUnderTest> make_registry_under_test(std::string_view name);

}  // namespace trelumo::registry
