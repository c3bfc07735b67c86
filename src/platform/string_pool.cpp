#include "platform/string_pool.h"

#include <algorithm>
#include <cstring>

namespace qv {
namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}

std::string_view StringPool::intern(std::string_view text)
{
    if (auto found = index_.find(text); found != index_.end())
        return *found;
    const std::string_view stored = store(text);
    index_.insert(stored);
    return stored;
}

std::string_view StringPool::store(std::string_view text)
{
    if (text.empty())
        return std::string_view("", 0);
    if (text.size() > freeSize_) {
        // Long texts get a block of their own so that the current block is not wasted.
        const std::size_t size = std::max(kBlockSize, text.size());
        blocks_.push_back(std::make_unique<char[]>(size));
        if (size > kBlockSize) {
            std::memcpy(blocks_.back().get(), text.data(), text.size());
            return {blocks_.back().get(), text.size()};
        }
        free_ = blocks_.back().get();
        freeSize_ = size;
    }
    std::memcpy(free_, text.data(), text.size());
    const std::string_view stored(free_, text.size());
    free_ += text.size();
    freeSize_ -= text.size();
    return stored;
}

}  // namespace qv
