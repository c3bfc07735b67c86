#pragma once
// The page paths of the Java 2 Platform v1.2 API documentation, relative to its api
// directory, in first-match order: name resolution takes the first entry that matches,
// so the order decides which class a simple name stands for.

#include <array>
#include <cstddef>
#include <string_view>

namespace qv {

inline constexpr std::size_t kPathCount = 1523;

extern const std::array<std::string_view, kPathCount> kPaths;

}  // namespace qv
