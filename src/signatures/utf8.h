#pragma once
// Decoding of one UTF-8 character at a time. Text is UTF-8 throughout the program, but
// texts from outside may be broken: a byte that does not start a well-formed sequence is
// reported as invalid, one byte long, so that callers can treat it as a character of its own.

#include <cstddef>
#include <string_view>

namespace qv {

struct Utf8Char {
    char32_t code = 0;       // the code point; the byte itself when invalid
    std::size_t length = 1;  // bytes taken by the character (1 when invalid)
    bool valid = true;
};

// The character starting at byte position i (i < s.size()). Overlong forms, surrogates,
// code points above U+10FFFF and truncated sequences are invalid.
constexpr Utf8Char decodeUtf8At(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80)
        return {b0, 1, true};

    const Utf8Char invalid{b0, 1, false};
    std::size_t length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;  // the range allowed for the second byte
    unsigned char high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        code = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        code = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0;  // no overlong forms
        if (b0 == 0xED)
            high = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        code = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;  // no overlong forms
        if (b0 == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        return invalid;
    }
    if (s.size() - i < length)
        return invalid;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        const bool inRange = k == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
        if (!inRange)
            return invalid;
        code = (code << 6) | (b & 0x3F);
    }
    return {code, length, true};
}

// The length of a text as the Java platform counts it, in UTF-16 code units: a character
// above U+FFFF counts two, an invalid byte one.
constexpr std::size_t utf16Length(std::string_view s)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < s.size();) {
        const Utf8Char c = decodeUtf8At(s, i);
        units += c.valid && c.code > 0xFFFF ? 2 : 1;
        i += c.length;
    }
    return units;
}

}  // namespace qv
