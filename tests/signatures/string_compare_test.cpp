#include "signatures/StringCompare.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "signatures/utf16_order.h"

namespace qv {
namespace {

TEST(StringCompare, KeyIsTheNameBeforeTheLastParenthesis)
{
    const std::pair<const char*, const char*> cases[] = {
        {"public static java.lang.String java.lang.String.valueOf(char[],int,int)", "valueOf"},
        {"public java.lang.String(byte[],int,int,java.lang.String) throws java.io.UnsupportedEncodingException",
         "String"},
        {"public javax.swing.text.DefaultEditorKit$CopyAction()", "DefaultEditorKit$CopyAction"},
        {"public Foo()", "public Foo"},
        {"public void Foo.bar(int)", "bar"},
        {"public abstract java.lang.Object java.util.Map$Entry.getKey()", "getKey"},
        {"f(a)(b)", "f(a)"},
        {"x.y(", "y"},
        {"(int)", ""},
        // Never a signature text, but keyed without fault.
        {"java.lang.String", "String"},
        {"noparen", "noparen"},
        {"", ""},
    };
    for (const auto& [text, key] : cases)
        EXPECT_EQ(memberSortKey(text), key) << text;
}

TEST(StringCompare, ComparesKeysOnly)
{
    const StringCompare compare;
    const std::string a1 = "public int p.Q.a(int)";
    const std::string a2 = "public static void r.S.a()";
    const std::string b = "public int p.Q.b()";
    EXPECT_TRUE(compare.lessThan(a1, b));
    EXPECT_FALSE(compare.lessThan(b, a1));
    EXPECT_FALSE(compare.lessThan(a1, a2));
    EXPECT_FALSE(compare.lessThan(a2, a1));
    EXPECT_TRUE(compare.lessThanOE(a1, a2));
    EXPECT_TRUE(compare.lessThanOE(a2, a1));
    EXPECT_TRUE(compare.lessThanOE(a1, b));
    EXPECT_FALSE(compare.lessThanOE(b, a1));
}

TEST(Utf16Order, OrdersAsUtf16CodeUnits)
{
    // Each text is before the next.
    const char* const ascending[] = {
        "", "B", "_x", "a", "a1", "aa", "b",
        "\u00e9", "\u07ff", "\u0800", "\ud7ff",
        "\U00010000", "\U0001F600", "\U0010FFFF",  // surrogate pairs: D800 to DBFF
        "\ue000", "\uffff",
    };
    for (std::size_t i = 0; i < std::size(ascending); ++i) {
        for (std::size_t j = 0; j < std::size(ascending); ++j) {
            const int expected = i < j ? -1 : i > j ? 1 : 0;
            EXPECT_EQ(compareUtf16Order(ascending[i], ascending[j]), expected) << i << " " << j;
        }
    }
}

std::u16string toUtf16(const std::u32string& codes)
{
    std::u16string out;
    for (const char32_t c : codes) {
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string toUtf8(const std::u32string& codes)
{
    std::string out;
    for (const char32_t c : codes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

TEST(Utf16Order, AgreesWithUtf16OnRandomTexts)
{
    // Characters from every range whose order could differ, near their bounds.
    const char32_t pool[] = {'A', 'a', '_', 0x7F, 0x80, 0xE9, 0x7FF, 0x800, 0xD7FF, 0xE000, 0xEFFF,
                             0xF000, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF};
    std::mt19937 random(5);
    const auto make = [&] {
        std::u32string s(random() % 4, U'a');
        for (char32_t& c : s)
            c = pool[random() % std::size(pool)];
        return s;
    };
    for (int n = 0; n < 20000; ++n) {
        const std::u32string a = make();
        const std::u32string b = make();
        const int expected = toUtf16(a).compare(toUtf16(b));
        const int actual = compareUtf16Order(toUtf8(a), toUtf8(b));
        ASSERT_EQ(actual < 0, expected < 0);
        ASSERT_EQ(actual == 0, expected == 0);
    }
}

}  // namespace
}  // namespace qv
