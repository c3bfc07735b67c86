#include "docs/text_decoding.h"
#include "signatures/utf8.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

struct Utf8Case {
    std::string label;
    std::string bytes;
    bool valid;

    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.label; }
};

class Utf8Cases : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Cases, Validity)
{
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Cases,
    testing::Values(Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "plain text, long enough for words", true},
                    Utf8Case{"TwoBytes", "caf\xC3\xA9", true}, Utf8Case{"ThreeBytes", "\xE2\x82\xAC", true},
                    Utf8Case{"FourBytes", "\xF0\x9F\x98\x80", true}, Utf8Case{"Latin1Byte", "caf\xE9", false},
                    Utf8Case{"LoneContinuation", "\x80", false}, Utf8Case{"Overlong", "\xC0\xAF", false},
                    Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", false}, Utf8Case{"AboveUnicode", "\xF4\x90\x80\x80", false},
                    Utf8Case{"Truncated", "abc\xE2\x82", false},
                    Utf8Case{"InvalidAfterLongAsciiRun", "0123456789abcdef0123456789\xFF", false}),
    [](const auto& info) { return info.param.label; });

TEST(TextDecoding, LineThatIsNotUtf8IsReadAsLatin1)
{
    std::string line = "caf\xE9 \xA9 \xFF";
    decodePageLine(line);
    EXPECT_EQ(line, "café © ÿ");
    std::string utf8 = "café";
    decodePageLine(utf8);
    EXPECT_EQ(utf8, "café");
}

TEST(TextDecoding, LengthsCountAsThePlatformCountsThem)
{
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("é€😀"), 4u);  // the last is a surrogate pair
    EXPECT_EQ(utf16Length("a\xFF" "b"), 3u);  // an invalid byte is one character
}

TEST(TextDecoding, UpperCaseKeepsInvalidBytes)
{
    EXPECT_EQ(upperCase("a\xFF" "b"), "A\xFF" "B");
}

// Every code point of Unicode, upper-cased here and by the JDK, line by line.
TEST(TextDecoding, UpperCaseAgreesWithJavaForEveryCodePoint)
{
    test::TempDir dir;
    std::string input;
    std::vector<std::string> lines;
    for (char32_t first = 0; first <= 0x10FFFF; first += 256) {
        std::string line;
        for (char32_t cp = first; cp < first + 256; ++cp) {
            if ((cp >= 0xD800 && cp <= 0xDFFF) || cp == '\n' || cp == '\r')
                continue;
            if (cp < 0x80) {
                line += static_cast<char>(cp);
            } else if (cp < 0x800) {
                line += static_cast<char>(0xC0 | (cp >> 6));
                line += static_cast<char>(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                line += static_cast<char>(0xE0 | (cp >> 12));
                line += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                line += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                line += static_cast<char>(0xF0 | (cp >> 18));
                line += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
                line += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                line += static_cast<char>(0x80 | (cp & 0x3F));
            }
        }
        input += line + '\n';
        lines.push_back(std::move(line));
    }
    const auto in = dir.write("in.txt", input);
    const auto out = dir / "out.txt";
    const auto java = test::runProcess(QV_JAVA, {QV_TESTS_DIR "/docs/UpperCaseLines.java", in.string(), out.string()});
    ASSERT_EQ(java.exitStatus, 0) << java.err;
    std::ifstream expected(out, std::ios::binary);
    std::string javaLine;
    std::size_t mismatches = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(std::getline(expected, javaLine)) << "Java gave too few lines";
        if (upperCase(lines[i]) != javaLine && ++mismatches <= 5)
            ADD_FAILURE() << "code points from U+" << std::hex << i * 256 << " are upper-cased differently";
    }
    EXPECT_EQ(mismatches, 0u);
}

}  // namespace
}  // namespace qv
