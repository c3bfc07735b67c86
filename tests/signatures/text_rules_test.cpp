#include "signatures/text_rules.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextRules, TrimRemovesControlCharactersAndBlanksOnly)
{
    EXPECT_EQ(trim(" \t\r\n\x01 java.lang.String \x1f"), "java.lang.String");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim("\xc2\xa0x\xc2\xa0"), "\xc2\xa0x\xc2\xa0");  // U+00A0 is above U+0020: kept
}

TEST(TextRules, CommaCountStopsAtSix)
{
    const std::pair<const char*, int> cases[] = {
        {"int length()", 0},
        {"int indexOf(String,int)", 1},
        {"no parenthesis, but, commas", 0},
        {"a,b(c)", 0},
        {"f(a,b,c)", 2},
        {"f(a,b,c,d,e,f,g,h)", 6},
        {"f(a,b,c,d,e,f,g)", 6},
        {"f(a) throws X,Y", 1},
        {"f(a,b) g(c,d)", 2},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(commaCount(text), count) << text;
}

}  // namespace
}  // namespace qv
