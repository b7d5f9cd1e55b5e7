#include "platform/registry/system_registry.h"

#ifdef _WIN32
#include "platform/registry/windows_registry.h"
#else
#include "platform/registry/memory_registry.h"
#endif

namespace trelumo::registry {

Registry& system_registry() {
#ifdef _WIN32
    static WindowsRegistry registry;
#else
    static MemoryRegistry registry;
#endif
    return registry;
}

}  // namespace trelumo::registry
