// Rows of a TEST_P table that carry their own `name`: the name of the test generated for each
// row, and what GoogleTest prints for the row when it fails.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace trelumo::table {

/// The name generator for INSTANTIATE_TEST_SUITE_P: a row is named by its `name`.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return std::string(info.param.name);
    }
};

/// Found by GoogleTest through `using table::PrintTo;` in the namespace of the row types.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

}  // namespace trelumo::table
