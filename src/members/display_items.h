#pragma once
// Filling the group choice and the member list: a fixed prefix before each text.

#include <QString>
#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

namespace qv {

// Calls append(prefix + items[i]) for i from 0 to count-1. A missing array (no data)
// appends nothing; an index beyond the array is the caller's error.
template <typename Append>
void appendPrefixed(std::span<const std::string> items, int count, const char* prefix, Append append)
{
    if (items.data() == nullptr)
        return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(std::max(count, 0)); ++i) {
        if (i >= items.size())
            throw std::out_of_range("item index beyond the array");
        const std::string& text = items[i];
        append(QString::fromUtf8(prefix) + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

}  // namespace qv
