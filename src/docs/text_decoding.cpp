#include "docs/text_decoding.h"

#include "signatures/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace qv {
namespace {

struct UpperCaseEntry {
    char32_t codePoint;
    std::string_view upper;  // UTF-8
};

constexpr UpperCaseEntry kUpperCase[] = {
#include "docs/upper_case_table.inc"
};

static_assert(std::is_sorted(std::begin(kUpperCase), std::end(kUpperCase),
                             [](const UpperCaseEntry& a, const UpperCaseEntry& b) { return a.codePoint < b.codePoint; }));

// Most page lines are plain ASCII; they need no closer look.
bool isAscii(std::string_view s)
{
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

}  // namespace

bool isValidUtf8(std::string_view bytes)
{
    if (isAscii(bytes))
        return true;
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Char c = decodeUtf8At(bytes, i);
        if (!c.valid)
            return false;
        i += c.length;
    }
    return true;
}

void decodePageLine(std::string& line)
{
    if (isValidUtf8(line))
        return;
    std::string utf8;
    utf8.reserve(line.size() + line.size() / 2);
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    line = std::move(utf8);
}

std::string upperCase(std::string_view text)
{
    std::string upper;
    upper.reserve(text.size());
    while (!text.empty()) {
        const Utf8Char c = decodeUtf8At(text, 0);
        const std::size_t length = c.length;
        const char32_t codePoint = c.code;
        if (!c.valid) {
            upper.push_back(text.front());
        } else if (codePoint >= 'a' && codePoint <= 'z') {
            upper.push_back(static_cast<char>(codePoint - 'a' + 'A'));
        } else if (codePoint < 0x80) {
            upper.push_back(static_cast<char>(codePoint));
        } else {
            const auto* entry = std::lower_bound(
                std::begin(kUpperCase), std::end(kUpperCase), codePoint,
                [](const UpperCaseEntry& e, char32_t cp) { return e.codePoint < cp; });
            if (entry != std::end(kUpperCase) && entry->codePoint == codePoint)
                upper += entry->upper;
            else
                upper.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return upper;
}

}  // namespace qv
