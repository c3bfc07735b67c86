#include <gtest/gtest.h>

#include "platform/modified_utf8.h"

namespace qv {
namespace {

Bytes bytesOf(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

TEST(ModifiedUtf8, DecodesToStandardUtf8)
{
    const struct {
        std::string in, out;
    } cases[] = {
        {"java/lang/String", "java/lang/String"},
        {"", ""},
        {"a\xC0\x80" "b", std::string("a\0b", 3)},  // NUL in two bytes
        {"gr\xC3\xBC\xC3\x9F" "e", "gr\xC3\xBC\xC3\x9F" "e"},  // two-byte forms pass through
        {"\xE2\x82\xAC", "\xE2\x82\xAC"},  // euro sign, three bytes
        // U+1D518 as its surrogates D835 DD18, three bytes each -> four-byte UTF-8
        {"\xED\xA0\xB5\xED\xB4\x98", "\xF0\x9D\x94\x98"},
        {"x\xED\xA0\xB5y", "x\xEF\xBF\xBDy"},  // a lone high surrogate
        {"\xED\xB4\x98", "\xEF\xBF\xBD"},      // a lone low surrogate
        {"\xED\xA0\xB5\xED\xA0\xB5", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // two highs
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeModifiedUtf8(bytesOf(c.in)), c.out) << c.in;
}

TEST(ModifiedUtf8, RejectsWhatIsNotModifiedUtf8)
{
    const std::string cases[] = {
        std::string("a\0b", 3),  // a raw NUL byte
        "\xF0\x9D\x94\x98",      // standard four-byte form
        "\xC3",                  // truncated two-byte form
        "\xE2\x82",              // truncated three-byte form
        "\xC3\x41",              // wrong continuation byte
        "\x80",                  // stray continuation byte
        "\xFF",
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decodeModifiedUtf8(bytesOf(c))) << testing::PrintToString(c);
}

}  // namespace
}  // namespace qv
