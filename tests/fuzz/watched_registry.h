// A registry that passes every call on to another one and watches how it is called: which handles
// were opened and are still open, that every handle closed was opened (or is 0), that a query's
// buffer really has the capacity the caller gives, and what the last query answered.
#pragma once

#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "platform/registry/registry.h"
#include "tests/fuzz/check.h"

namespace trelumo::fuzz {

struct QueryAnswer {
    registry::Status status = registry::success;
    registry::ValueType type = registry::value_none;
    std::string bytes;  // what the query wrote into the caller's buffer
};

class WatchedRegistry final : public registry::Registry {
public:
    explicit WatchedRegistry(registry::Registry& registry) : registry_(registry) {}

    int opens() const { return opens_; }
    int queries() const { return queries_; }
    int closes() const { return closes_; }
    const std::set<registry::KeyHandle>& open_handles() const { return open_; }
    const std::optional<QueryAnswer>& last_answer() const { return answer_; }

    registry::Status RegOpenKeyExA(registry::KeyHandle key, const char* sub_key,
                                   std::uint32_t options, registry::AccessMask access,
                                   registry::KeyHandle* result) override {
        ++opens_;
        const registry::Status status =
            registry_.RegOpenKeyExA(key, sub_key, options, access, result);
        if (status == registry::success) open_.insert(*result);
        return status;
    }

    registry::Status RegQueryValueExA(registry::KeyHandle key, const char* value_name,
                                      std::uint32_t* reserved, registry::ValueType* type,
                                      std::uint8_t* data, std::uint32_t* size) override {
        ++queries_;
        require(open_.contains(key), "a query goes to a key that is open");
        require(type && data && size, "a query asks for the type, the data and their size");
        require(__asan_region_is_poisoned(data, *size) == nullptr,
                "a query's buffer holds as many bytes as the caller says");
        const std::uint32_t capacity = *size;
        QueryAnswer answer;
        answer.status = registry_.RegQueryValueExA(key, value_name, reserved, type, data, size);
        if (answer.status == registry::success) {
            require(*size <= capacity, "a successful query fits in the buffer");
            answer.type = *type;
            answer.bytes.assign(reinterpret_cast<const char*>(data), *size);
        }
        answer_ = answer;
        return answer.status;
    }

    registry::Status RegCloseKey(registry::KeyHandle key) override {
        ++closes_;
        require(key == 0 || open_.erase(key) == 1, "only a handle that was opened is closed");
        return registry_.RegCloseKey(key);
    }

private:
    registry::Registry& registry_;
    std::set<registry::KeyHandle> open_;
    std::optional<QueryAnswer> answer_;
    int opens_ = 0;
    int queries_ = 0;
    int closes_ = 0;
};

}  // namespace trelumo::fuzz
