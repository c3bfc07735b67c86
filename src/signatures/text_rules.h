#pragma once
// Small text rules that several parts of the program share.

#include <string_view>

namespace qv {

// Removes every leading and trailing character whose code is U+0020 or below.
constexpr std::string_view trim(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 0x20)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20)
        s.remove_suffix(1);
    return s;
}

constexpr bool contains(std::string_view s, std::string_view part)
{
    return s.find(part) != std::string_view::npos;
}

// The comma count: the number of "," after the first "(", found by at most six
// successive searches, so at most 6. The member list and the documentation page count
// by this same rule so that an entry and its page line agree.
constexpr int commaCount(std::string_view s)
{
    std::size_t i = s.find('(');
    if (i == std::string_view::npos)
        return 0;
    int count = 0;
    while (count < 6) {
        i = s.find(',', i + 1);
        if (i == std::string_view::npos)
            break;
        ++count;
    }
    return count;
}

}  // namespace qv
