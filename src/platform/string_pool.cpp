#include "platform/string_pool.h"

#include <algorithm>
#include <cstring>

namespace qv {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kInitialSlots = 1024;  // a power of two
constexpr char kEmpty[] = "";

std::uint32_t hashOf(std::string_view text)
{
    // FNV-1a: short texts, one pass.
    std::uint32_t h = 2166136261u;
    for (const char c : text)
        h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return h;
}

}  // namespace

std::string_view StringPool::intern(std::string_view text)
{
    if (text.empty())
        return {kEmpty, 0};
    if (2 * (used_ + 1) > slots_.size())
        grow();
    const std::uint32_t hash = hashOf(text);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (!slot.data) {
            const std::string_view stored = store(text);
            slot = {stored.data(), static_cast<std::uint32_t>(stored.size()), hash};
            ++used_;
            return stored;
        }
        if (slot.hash == hash && slot.size == text.size() && std::memcmp(slot.data, text.data(), text.size()) == 0)
            return {slot.data, slot.size};
    }
}

void StringPool::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max(kInitialSlots, 2 * old.size()), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.data)
            continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].data)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

std::string_view StringPool::store(std::string_view text)
{
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
