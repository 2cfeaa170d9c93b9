// Tables of GoogleTest cases whose rows carry a name: the name becomes the
// test's name and is what GoogleTest prints for the row.
#pragma once

#include <concepts>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace zavir2::testing {

// Derive a case row from this; brace elision keeps tables flat:
// {"RowName", ...the row's own fields...}.
struct TNamedRow {
    const char* Name;
};

// For INSTANTIATE_TEST_SUITE_P: names each test after its row.
struct RowName {
    template <class TCase>
    std::string operator()(const ::testing::TestParamInfo<TCase>& row) const {
        return row.param.Name;
    }
};

template <class TCase>
requires std::derived_from<TCase, TNamedRow>
void PrintTo(const TCase& row, std::ostream* out) {
    *out << row.Name;
}

} // namespace zavir2::testing
