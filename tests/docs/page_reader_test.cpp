#include "docs/page_reader.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qv {
namespace {

using test::TempDir;

std::vector<std::string> readLines(const std::string& path)
{
    auto reader = PageReader::open(path);
    EXPECT_TRUE(reader.has_value());
    std::vector<std::string> lines;
    std::string line;
    PageReader::Status status;
    while (reader && (status = reader->next(line)) == PageReader::Status::Line)
        lines.push_back(line);
    EXPECT_TRUE(!reader || status == PageReader::Status::End);
    return lines;
}

struct LinesCase {
    std::string label;
    std::string bytes;
    std::vector<std::string> lines;

    friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.label; }
};

class LinesCases : public testing::TestWithParam<LinesCase> {};

TEST_P(LinesCases, Split)
{
    TempDir dir;
    EXPECT_EQ(readLines(dir.write("page.html", GetParam().bytes).string()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LinesCases,
    testing::Values(LinesCase{"Empty", "", {}}, LinesCase{"OneUnterminated", "abc", {"abc"}},
                    LinesCase{"Lf", "a\nb\n", {"a", "b"}}, LinesCase{"Cr", "a\rb\r", {"a", "b"}},
                    LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, LinesCase{"LfCrIsTwoEndings", "a\n\rb", {"a", "", "b"}},
                    LinesCase{"EmptyLines", "\n\r\n\r", {"", "", ""}}, LinesCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                    LinesCase{"NulBytesAreText", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const auto& info) { return info.param.label; });

// Lines and terminators that straddle the reader's buffer are read whole.
TEST(PageReader, LinesAcrossBufferBoundaries)
{
    for (const std::size_t at : {65535u, 65536u, 65537u}) {
        for (const std::string_view ending : {"\n", "\r", "\r\n"}) {
            std::string first(at - 1, 'x');
            const std::string second(200000, 'y');
            TempDir dir;
            const auto page = dir.write("page.html", first + std::string(ending) + second + std::string(ending) + "z");
            EXPECT_EQ(readLines(page.string()), (std::vector<std::string>{first, second, "z"}))
                << "at " << at << " ending of size " << ending.size();
        }
    }
}

TEST(PageReader, ManyCrOnlyLinesAreReadInTime)
{
    std::string page;
    for (int i = 0; i < 200000; ++i)
        page += "line\r";
    TempDir dir;
    EXPECT_EQ(readLines(dir.write("page.html", page).string()).size(), 200000u);
}

TEST(PageReader, OnlyRegularFilesOpen)
{
    TempDir dir;
    const auto page = dir.write("page.html", "text\n");
    std::filesystem::create_directory(dir / "directory.html");
    ASSERT_EQ(::mkfifo((dir / "fifo.html").c_str(), 0644), 0);
    std::filesystem::create_symlink(page, dir / "link.html");
    std::filesystem::create_symlink(dir / "missing.html", dir / "dangling.html");
    std::filesystem::create_symlink(dir / "loop.html", dir / "loop.html");
    std::filesystem::create_symlink("/dev/zero", dir / "device.html");

    EXPECT_TRUE(PageReader::open(page.string()).has_value());
    EXPECT_TRUE(PageReader::open((dir / "link.html").string()).has_value());
    for (const char* name : {"directory.html", "fifo.html", "dangling.html", "loop.html", "device.html", "missing.html"})
        EXPECT_FALSE(PageReader::open((dir / name).string()).has_value()) << name;
    EXPECT_FALSE(PageReader::open("").has_value());
}

}  // namespace
}  // namespace qv
