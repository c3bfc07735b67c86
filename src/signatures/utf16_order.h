#pragma once
// The platform's string order (String.compareTo: UTF-16 code units, no case folding, no
// locale) applied to UTF-8 texts without converting them.
//
// UTF-8 byte order is code point order, and that is UTF-16 order everywhere except for one
// pair of ranges: a character above U+FFFF is a surrogate pair (D800 to DBFF first) in
// UTF-16, so it sorts below U+E000 to U+FFFF there, while its UTF-8 lead byte (F0 to F4)
// sorts above theirs (EE, EF). Ranking the lead bytes F0 to F4 between ED and EE gives
// UTF-16 order on valid text; on any bytes it is still a fixed total order, because it is
// plain lexicographic order under a permuted byte alphabet.

#include <algorithm>
#include <string_view>

namespace qv {

namespace detail {

constexpr unsigned utf16ByteRank(unsigned char b)
{
    if (b >= 0xF0 && b <= 0xF4)
        return b - 0xF0 + 0xEE;  // F0..F4 -> EE..F2
    if (b == 0xEE || b == 0xEF)
        return b - 0xEE + 0xF3;  // EE, EF -> F3, F4
    return b;
}

}  // namespace detail

// Negative, zero or positive as a is before, equal to or after b.
constexpr int compareUtf16Order(std::string_view a, std::string_view b)
{
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end())
        return ib == b.end() ? 0 : -1;
    if (ib == b.end())
        return 1;
    const unsigned ra = detail::utf16ByteRank(static_cast<unsigned char>(*ia));
    const unsigned rb = detail::utf16ByteRank(static_cast<unsigned char>(*ib));
    return ra < rb ? -1 : 1;
}

}  // namespace qv
