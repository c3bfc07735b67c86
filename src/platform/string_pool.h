#pragma once
// Interned strings: each distinct text is stored once and lives as long as the pool, so
// the parsed classes keep string_views into it and equal texts have equal addresses.

#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace qv {

class StringPool {
public:
    StringPool() = default;
    StringPool(const StringPool&) = delete;
    StringPool& operator=(const StringPool&) = delete;

    // The pool's copy of `text`; the same view for the same text.
    std::string_view intern(std::string_view text);

private:
    std::string_view store(std::string_view text);

    std::unordered_set<std::string_view> index_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;
    std::size_t freeSize_ = 0;
};

}  // namespace qv
