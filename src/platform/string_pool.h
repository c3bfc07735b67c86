#pragma once
// Interned strings: each distinct text is stored once and lives as long as the pool, so
// the parsed classes keep string_views into it and equal texts have equal addresses.

#include <cstdint>
#include <memory>
#include <string_view>
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
    // An open-addressing table: interning runs for every name of every class parsed, so it
    // avoids a heap node per text.
    struct Slot {
        const char* data = nullptr;
        std::uint32_t size = 0;
        std::uint32_t hash = 0;
    };

    std::string_view store(std::string_view text);
    void grow();

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;
    std::size_t freeSize_ = 0;
};

}  // namespace qv
