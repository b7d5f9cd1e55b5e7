// A property that a fuzz target checks: when it fails, the target says which and with what texts,
// then aborts, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace trelumo::fuzz {

inline void require(bool holds, const char* property, std::string_view first = {},
                    std::string_view second = {}) {
    if (holds) return;
    std::fprintf(stderr, "\nProperty broken: %s\n  first:  \"%.*s\"\n  second: \"%.*s\"\n",
                 property, static_cast<int>(first.size()), first.data(),
                 static_cast<int>(second.size()), second.data());
    std::abort();
}

}  // namespace trelumo::fuzz
