// Pages that are huge, damaged or not pages at all: each gives a clear result (the
// right text or none), never a crash or a hang, and memory stays bounded by the longest
// line.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

#include "docs/member_doc.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using test::TempDir;

const std::string kOpen = "<H2>Constructor Detail</H2>\n";
constexpr std::size_t kMiB = 1024 * 1024;

// Writes `times` copies of `piece` to the file, after `head` and before `tail`.
std::filesystem::path writeRepeated(const std::filesystem::path& file, std::string_view head, std::string_view piece,
                                    std::size_t times, std::string_view tail)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << head;
    std::string block;
    for (int i = 0; i < 1024; ++i)
        block += piece;
    for (std::size_t i = 0; i < times / 1024; ++i)
        out << block;
    for (std::size_t i = 0; i < times % 1024; ++i)
        out << piece;
    out << tail;
    return file;
}

TEST(HostilePages, FiftyMegabytePageOfOneLineGivesNothing)
{
    TempDir dir;
    const std::string_view piece = "<B>Constructor Detail</B> public void f(int a, int b) <HR> text ";
    writeRepeated(dir / "p/Sample.html", "", piece, 50 * kMiB / piece.size(), "");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "f", 1), "");
}

// A huge line inside the entry is converted whole, in one pass over it.
TEST(HostilePages, FiftyMegabyteLineInsideTheEntryIsConverted)
{
    TempDir dir;
    const std::size_t times = 50 * kMiB / 8;
    writeRepeated(dir / "p/Sample.html", kOpen + "public void f()\n", "<B>x</B>", times, "\n</dl>\n");
    const std::string text = extractMemberDoc(dir.path().string(), "p.Sample", "f", 0);
    ASSERT_EQ(text.size(), std::string("   public void f()\n\n   ").size() + times + 1);
    EXPECT_TRUE(text.starts_with("   public void f()\n\n   xxx"));
    EXPECT_TRUE(text.ends_with("xxx\n"));
    EXPECT_EQ(text.find('<'), std::string::npos);
}

TEST(HostilePages, PageThatIsNotUtf8IsReadAsLatin1)
{
    TempDir dir;
    dir.write("p/Sample.html", kOpen + "public void caf\xE9(int a)\n<DT><B>Parameters:</B><DD>a - na\xEFve\n"
                                       "<dt><b>Parameters:</b> a - na\xEFve stra\xDF" "e\n</dl>\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "café", 0),
              "   public void café(int a)\n\n   .\n   Parameters: a - naïve\n\n   PARAMETERS: A - NAÏVE STRASSE\n");
}

TEST(HostilePages, Utf8PageIsReadAsUtf8)
{
    TempDir dir;
    dir.write("p/Sample.html", kOpen + "public void café(int a)\n<dt>Returns: naïve €\n</dl>\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "café", 0),
              "   public void café(int a)\n\n\n   RETURNS: NAÏVE €\n");
}

TEST(HostilePages, PagesThatCannotBeReadGiveNothing)
{
    TempDir dir;
    const std::string root = dir.path().string();
    const std::string entry = kOpen + "public void f()\ntext\n<HR>\n";
    // A directory at the nested path, which is opened without a test.
    std::filesystem::create_directories(dir / "d/Sample.html");
    // A link to nowhere at the nested path.
    std::filesystem::create_directories(dir / "l");
    std::filesystem::create_symlink(dir / "l/missing.html", dir / "l/Sample.html");
    // A link that points at itself at the flat path, with a good page behind it: the
    // flat path does not exist, so the nested page is read.
    std::filesystem::create_symlink(dir / "s.Sample.html", dir / "s.Sample.html");
    dir.write("s/Sample.html", entry);
    // A named pipe without a writer would block a plain open.
    std::filesystem::create_directories(dir / "f");
    ASSERT_EQ(::mkfifo((dir / "f/Sample.html").c_str(), 0644), 0);
    // A device that never ends and has no line breaks.
    std::filesystem::create_symlink("/dev/zero", dir / "z.Sample.html");
    // Something that is a file where a directory of the path should be.
    dir.write("n", "file");

    for (const char* name : {"d.Sample", "l.Sample", "f.Sample", "z.Sample", "n.Sample", "n.x.Sample"})
        EXPECT_EQ(extractMemberDoc(root, name, "f", 0), "") << name;
    EXPECT_EQ(extractMemberDoc(root, "s.Sample", "f", 0), "   public void f()\n\n   text\n");
}

// Whole processes, so that their peak memory can be measured.
TEST(HostilePages, MemoryIsBoundedByTheLongestLine)
{
    TempDir dir;
    // 64 MiB in lines of 1 KiB, the member at the very end: only a line at a time is held.
    const std::string line(1023, 'w');
    writeRepeated(dir / "p/Many.html", kOpen, line + "\n", 64 * 1024, "public void f()\nlast\n<HR>\n");
    const auto many = test::runProcess(QV_CLI_PATH, {"doc", "--docpath", dir.path().string(), "p.Many", "f", "0"});
    EXPECT_EQ(many.exitStatus, 0) << many.err;
    EXPECT_EQ(many.out, "   public void f()\n\n   last\n");
    EXPECT_LT(many.maxRssKiB, 24 * 1024) << "a 64 MiB page of short lines";

    // One line of 50 MiB: the line is held once, not copied over and over.
    const std::string_view piece = "<p>public void f(int a, int b) and more text ";
    writeRepeated(dir / "p/One.html", kOpen, piece, 50 * kMiB / piece.size(), "");
    const auto one = test::runProcess(QV_CLI_PATH, {"doc", "--docpath", dir.path().string(), "p.One", "f", "0"});
    EXPECT_EQ(one.exitStatus, 1) << one.err;
    EXPECT_EQ(one.out, "");
    EXPECT_LT(one.maxRssKiB, 150 * 1024) << "a page of one line of 50 MiB";
}

}  // namespace
}  // namespace qv
