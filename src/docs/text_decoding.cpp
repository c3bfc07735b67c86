#include "docs/text_decoding.h"

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

// The length of the valid UTF-8 sequence at the start of `s`, or 0 when it is not one
// (overlong forms, surrogates and code points above U+10FFFF are not valid).
std::size_t sequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        const unsigned char second = byte(1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        const unsigned char second = byte(1);
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

char32_t decodeSequence(std::string_view s, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    switch (length) {
    case 1:
        return byte(0);
    case 2:
        return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
        return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    default:
        return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    }
}

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
    while (!bytes.empty()) {
        const std::size_t length = sequenceLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
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
        const std::size_t length = sequenceLength(text);
        if (length == 0) {
            upper.push_back(text.front());
            text.remove_prefix(1);
            continue;
        }
        const char32_t codePoint = decodeSequence(text, length);
        if (codePoint >= 'a' && codePoint <= 'z') {
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

std::size_t characterCount(std::string_view text)
{
    // Every byte but a continuation byte starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace qv
