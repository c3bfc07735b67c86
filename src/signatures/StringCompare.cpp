#include "signatures/StringCompare.h"

#include "signatures/utf16_order.h"

namespace qv {

std::string_view memberSortKey(std::string_view signature)
{
    std::size_t open = signature.rfind('(');
    if (open == std::string_view::npos)
        open = signature.size();
    const std::string_view head = signature.substr(0, open);
    const std::size_t dot = head.rfind('.');
    return dot == std::string_view::npos ? head : head.substr(dot + 1);
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
