#include "signatures/StringCompare.h"

#include <cstring>

#include "signatures/utf16_order.h"

namespace qv {

namespace {

// The position of the last c in s, or s.size() when there is none. The sort looks up two
// keys per comparison; memrchr scans them several times faster than a plain loop.
std::size_t lastOf(std::string_view s, char c)
{
    const void* found = s.empty() ? nullptr : memrchr(s.data(), c, s.size());
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - s.data()) : s.size();
}

}  // namespace

std::string_view memberSortKey(std::string_view signature)
{
    const std::string_view head = signature.substr(0, lastOf(signature, '('));
    const std::size_t dot = lastOf(head, '.');
    return dot == head.size() ? head : head.substr(dot + 1);
}

bool StringCompare::lessThan(const std::string& a, const std::string& b) const
{
    return compareUtf16Order(memberSortKey(a), memberSortKey(b)) < 0;
}

bool StringCompare::lessThanOE(const std::string& a, const std::string& b) const
{
    return compareUtf16Order(memberSortKey(a), memberSortKey(b)) <= 0;
}

}  // namespace qv
