#include "platform/modified_utf8.h"

namespace qv {
namespace {

void appendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isContinuation(std::uint8_t b) { return (b & 0xC0) == 0x80; }

// Decodes one UTF-16 unit at `i`, advancing `i`; nothing when the bytes are malformed.
std::optional<std::uint32_t> nextUnit(Bytes bytes, std::size_t& i)
{
    const std::uint8_t b = bytes[i];
    if (b >= 0x01 && b <= 0x7F) {
        i += 1;
        return b;
    }
    if ((b & 0xE0) == 0xC0) {
        if (i + 1 >= bytes.size() || !isContinuation(bytes[i + 1]))
            return std::nullopt;
        const std::uint32_t c = (b & 0x1Fu) << 6 | (bytes[i + 1] & 0x3Fu);
        i += 2;
        return c;
    }
    if ((b & 0xF0) == 0xE0) {
        if (i + 2 >= bytes.size() || !isContinuation(bytes[i + 1]) || !isContinuation(bytes[i + 2]))
            return std::nullopt;
        const std::uint32_t c = (b & 0x0Fu) << 12 | (bytes[i + 1] & 0x3Fu) << 6 | (bytes[i + 2] & 0x3Fu);
        i += 3;
        return c;
    }
    return std::nullopt;  // 00, a stray continuation byte, or a four-byte form
}

bool isHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::optional<std::string> decodeModifiedUtf8(Bytes bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto unit = nextUnit(bytes, i);
        if (!unit)
            return std::nullopt;
        std::uint32_t c = *unit;
        if (isHighSurrogate(c)) {
            std::size_t j = i;
            const auto low = j < bytes.size() ? nextUnit(bytes, j) : std::nullopt;
            if (low && isLowSurrogate(*low)) {
                c = 0x10000 + ((c - 0xD800) << 10) + (*low - 0xDC00);
                i = j;
            } else {
                c = 0xFFFD;
            }
        } else if (isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace qv
