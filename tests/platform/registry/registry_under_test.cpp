#include "tests/platform/registry/registry_under_test.h"

#include "platform/registry/memory_registry.h"
#ifdef _WIN32
#include "tests/platform/registry/windows_registry_under_test.h"
#endif

namespace trelumo::registry {
namespace {

class MemoryRegistryUnderTest final : public RegistryUnderTest {
public:
    Registry& registry() override { return registry_; }
    std::string key_name(std::string_view path) const override {
        return "Software\\Trelumo tests\\" + std::string(path);
    }
    void add_key(std::string_view path, AccessMask rights) override {
        registry_.add_key(root(), key_name(path), rights);
    }
    void set_value(std::string_view path, std::string_view name, ValueType type,
                   std::string_view bytes) override {
        registry_.set_value(root(), key_name(path), name, type, bytes);
    }

private:
    MemoryRegistry registry_;
};

}  // namespace

std::vector<std::string> registries_under_test() {
#ifdef _WIN32
    return {"Memory", "Windows"};
#else
    return {"Memory"};
#endif
}

std::unique_ptr<RegistryUnderTest> make_registry_under_test(std::string_view name) {
#ifdef _WIN32
    if (name == "Windows") return std::make_unique<WindowsRegistryUnderTest>();
#endif
    (void)name;
    return std::make_unique<MemoryRegistryUnderTest>();
}

}  // namespace trelumo::registry
