#include "signatures/StripQualifiers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

std::vector<std::string> tokensOf(const std::string& text)
{
    StripQualifiers stripper(text);
    std::vector<std::string> tokens;
    while (std::optional<std::string> token = stripper.getNext())
        tokens.push_back(*token);
    return tokens;
}

TEST(StripQualifiers, SplitsASignatureIntoSixteenTokens)
{
    const std::vector<std::string> expected = {
        "public", " ", "static", " ", "java.lang.String", " ", "java.lang.String.valueOf", "(",
        "char", "[", "]", ",", "int", ",", "int", ")",
    };
    EXPECT_EQ(tokensOf("public static java.lang.String java.lang.String.valueOf(char[],int,int)"), expected);
}

struct TokenCase {
    std::string text;
    std::vector<std::string> tokens;
};

TEST(StripQualifiers, TokenizesAsThePlatformsStreamTokenizer)
{
    const TokenCase cases[] = {
        {"", {}},
        // Words run over digits, "." and "-"; "$", "_" and brackets stand alone.
        {"a-b.c9 x", {"a-b.c9", " ", "x"}},
        {"java.util.Map$Entry", {"java.util.Map", "$", "Entry"}},
        {"org.omg.CosNaming._Stub", {"org.omg.CosNaming.", "_", "Stub"}},
        // Numbers: platform text of the double; "-" starts one only before a digit or ".".
        {"2 12.5 -3 .5", {"2.0", " ", "12.5", " ", "-3.0", " ", "0.5"}},
        {"-", {"-"}},
        {"- 5", {"-", " ", "5.0"}},
        {"-a", {"-", "a"}},
        {"--5", {"-", "-5.0"}},
        {"-.", {"-0.0"}},
        {"-0", {"-0.0"}},
        {".", {"0.0"}},
        {"..", {"0.0", "0.0"}},
        {"1.2.3", {"1.2", "0.3"}},
        {"2abc", {"2.0", "abc"}},
        {"1e5", {"1.0", "e5"}},
        {"10000000 0.0001 123456789", {"1.0E7", " ", "1.0E-4", " ", "1.23456789E8"}},
        // Separators U+0000 to U+001F vanish; the blank is a token.
        {"a\tb\nc\rd", {"a", "b", "c", "d"}},
        {std::string("a\0b", 3), {"a", "b"}},
        {"a  b", {"a", " ", " ", "b"}},
        {"a\x7f", {"a", "\x7f"}},
        // Comments run to the end of the line, not past it.
        {"a/b c\nd", {"a", "d"}},
        {"a/b\rc", {"a", "c"}},
        {"/", {}},
        // Quotes: only the quotation character comes out; the string ends at the same quote,
        // at a line end, or at the end of the text; a backslash takes any next character.
        {"a 'b c' d", {"a", " ", "'", " ", "d"}},
        {"a \"b 'c\" d", {"a", " ", "\"", " ", "d"}},
        {"a 'b\nc", {"a", " ", "'", "c"}},
        {"a 'b\rc", {"a", " ", "'", "c"}},
        {"a 'b\\'c' d", {"a", " ", "'", " ", "d"}},
        {"a 'b\\\nc' d", {"a", " ", "'", " ", "d"}},
        {"'open", {"'"}},
        {"'\\", {"'"}},
        {"\"'\"'", {"\"", "'"}},
        // Non-ASCII: U+00A0 and above are letters, U+0080 to U+009F ordinary.
        {"caf\u00e9 \u00a0x", {"caf\u00e9", " ", "\u00a0x"}},
        {"\u4e2d.\u6587(x)", {"\u4e2d.\u6587", "(", "x", ")"}},
        {"a\U0001F600b.c", {"a\U0001F600b.c"}},
        {"x\u0085y", {"x", "\u0085", "y"}},
        {"-\u00e9", {"-", "\u00e9"}},
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(tokensOf(c.text), c.tokens) << c.text;
}

TEST(StripQualifiers, InvalidUtf8BytesAreOrdinaryCharacters)
{
    const TokenCase cases[] = {
        {"a\xff" "b", {"a", "\xff", "b"}},
        {"ab\xc3", {"ab", "\xc3"}},                      // truncated sequence at the end
        {"\xc3(", {"\xc3", "("}},                        // truncated before ASCII
        {"\xc0\xaf", {"\xc0", "\xaf"}},                  // overlong "/": not a comment
        {"a\xed\xa0\x80" "b", {"a", "\xed", "\xa0", "\x80", "b"}},  // surrogate
        {"\xf4\x90\x80\x80", {"\xf4", "\x90", "\x80", "\x80"}},     // above U+10FFFF
        {"\x80\x80", {"\x80", "\x80"}},                  // lone continuation bytes
        {"'\xff\n\xfe", {"'", "\xfe"}},                  // inside a quote, then outside
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(tokensOf(c.text), c.tokens) << c.text;
    EXPECT_EQ(StripQualifiers::strip("public p.\xffQ.R(\xfe)"), "public \xff" "R(\xfe)");
    EXPECT_EQ(StripQualifiers::getQualifier(), "p.\xff" "Q");
}

struct StripCase {
    std::string text;
    std::string stripped;
    std::string qualifier;
};

TEST(StripQualifiers, StripsSignaturesAndWorksOutTheQualifier)
{
    const StripCase cases[] = {
        {"public static java.lang.String java.lang.String.valueOf(char[],int,int)",
         "public static String valueOf(char[],int,int)", "java.lang.String"},
        {"public static void java.util.Arrays.sort(java.lang.Object[],java.util.Comparator)",
         "public static void sort(Object[],Comparator)", "java.util.Arrays"},
        {"public java.lang.String(byte[],int,int,java.lang.String) throws java.io.UnsupportedEncodingException",
         "public String(byte[],int,int,String) throws UnsupportedEncodingException", "java.lang"},
        {"public final void java.lang.Object.wait(long) throws java.lang.InterruptedException",
         "public final void wait(long) throws InterruptedException", "java.lang.Object"},
        {"public static java.lang.Class java.lang.Class.forName(java.lang.String) throws java.lang.ClassNotFoundException",
         "public static Class forName(String) throws ClassNotFoundException", "java.lang.Class"},
        {"public int java.lang.String.length()", "public int length()", "java.lang.String"},
        {"public java.lang.String()", "public String()", "java.lang"},
        // Edge cases.
        {"", "", ""},
        {"noparen", "noparen", ""},
        {"(int)", "(int)", ""},
        {"public abstract java.lang.Object java.util.Map$Entry.getKey()", "public abstract Object Map$getKey()",
         "java.util.Map$Entry"},
        {"public static java.util.Map$Entry java.util.Map.entry(java.lang.Object,java.lang.Object)",
         "public static Map$Entry entry(Object,Object)", "java.util.Map"},
        {"public javax.swing.text.DefaultEditorKit$CopyAction()", "public DefaultEditorKit$CopyAction()",
         "javax.swing.text"},
        {"public org.omg.CosNaming._NamingContextStub()", "public _NamingContextStub()", "org.omg.CosNaming"},
        {"public java.lang.Object[][] p.Q.m(java.lang.Object[][])", "public Object[][] m(Object[][])", "p.Q"},
        {"public Foo()", "public Foo()", "Foo"},
        {"public void Foo.bar(int)", "public void bar(int)", "Foo"},
        {"public x.()", "public ()", "x."},  // a "." that ends the text before "(" is not cut
        {"Foo.bar(int)", "bar(int)", ""},    // no blank before the member name
        {"a 2 b", "a 0 b", ""},
        {"x 12.5 y", "x 5 y", ""},
        {"a - b", "a - b", ""},
        {"public\tint p.Q.\nm(\rint)", "publicint m(int)", "p.Q"},
        // The qualifier is read from the raw text: comments and quotes do not hide a "(".
        {"public int p.Q.m() /r.S.x(y", "public int m() ", "/r.S"},
        {"public p.'Q(", "public '", "p"},
    };
    for (const StripCase& c : cases) {
        EXPECT_EQ(StripQualifiers::strip(c.text), c.stripped) << c.text;
        EXPECT_EQ(StripQualifiers::getQualifier(), c.qualifier) << c.text;
    }
}

TEST(StripQualifiers, EachStripLeavesOnlyItsOwnQualifier)
{
    StripQualifiers::strip("public int java.lang.String.length()");
    StripQualifiers::strip("public void java.util.List.clear()");
    EXPECT_EQ(StripQualifiers::getQualifier(), "java.util.List");
    StripQualifiers::strip("noparen");
    EXPECT_EQ(StripQualifiers::getQualifier(), "");

    // Constructing a stripper empties the buffer.
    StripQualifiers::strip("public int java.lang.String.length()");
    const StripQualifiers stripper("public int a.B.c()");
    EXPECT_EQ(StripQualifiers::getQualifier(), "");
}

TEST(StripQualifiers, HugeTextsStayLinear)
{
    // Digits past the range of a double, a fraction past it, and a very long word.
    EXPECT_EQ(StripQualifiers::strip(std::string(1'000'000, '9')), "Infinity");
    EXPECT_EQ(StripQualifiers::strip("." + std::string(1'000'000, '0') + "1"), "0");
    EXPECT_EQ(StripQualifiers::strip("." + std::string(1'000'000, '1')), "NaN");
    std::string words;
    for (int i = 0; i < 200'000; ++i)
        words += "a.b(";
    EXPECT_EQ(StripQualifiers::strip(words).size(), 200'000u * 2);
    EXPECT_EQ(StripQualifiers::getQualifier(), "");
}

}  // namespace
}  // namespace qv
