// The registry of the machine the program runs on.
#pragma once

#include "platform/registry/registry.h"

namespace trelumo::registry {

/// Windows' own registry on Windows. Elsewhere, where there is none, a registry that holds only
/// the empty predefined root keys, so that every value read is missing.
Registry& system_registry();

}  // namespace trelumo::registry
