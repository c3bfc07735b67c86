#include "config/config_file.h"

#include <gtest/gtest.h>

#include <iostream>

#include <sys/stat.h>

#include "support/temp_dir.h"

namespace qv {
namespace {

using test::readBytes;
using test::TempDir;

struct LoadOutcome {
    std::string docpath;
    std::string out;
    std::string err;
};

// Runs the start-up read against the real standard streams and captures them.
LoadOutcome load(const std::filesystem::path& file, std::string docpath = "")
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    loadConfig(docpath, std::cout, std::cerr, file);
    LoadOutcome outcome{docpath, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
    return outcome;
}

constexpr std::string_view kUnreadable = "Unable to read config file\n\n\n";

struct ReadCase {
    std::string label;
    std::string bytes;
    std::string root;  // expected docpath
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.label;
}

class ConfigReadCases : public testing::TestWithParam<ReadCase> {};

TEST_P(ConfigReadCases, FirstLineBecomesTheRootAndIsEchoed)
{
    const ReadCase& c = GetParam();
    TempDir dir;
    const auto file = dir.write("Quorvane.cfg", c.bytes);
    const LoadOutcome got = load(file);
    EXPECT_EQ(got.docpath, c.root);
    EXPECT_EQ(got.out, "Doc Path :  " + c.root + "\n");
    EXPECT_EQ(got.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConfigReadCases,
    testing::Values(ReadCase{"Unterminated", "/usr/share/doc/api", "/usr/share/doc/api"},
                    ReadCase{"CrlfThenSecondLine", "C:\\docs\\api\r\nsecond line\r\n", "C:\\docs\\api"},
                    ReadCase{"LoneCr", "/docs\rmore", "/docs"},
                    ReadCase{"Lf", "/docs\nmore", "/docs"},
                    ReadCase{"BlanksKept", "  /my docs/api \t \n", "  /my docs/api \t "},
                    ReadCase{"FirstLineEmpty", "\nsecond", ""},
                    ReadCase{"FirstLineEmptyCrlf", "\r\n/docs", ""},
                    ReadCase{"Utf8", "/home/j\xc3\xbcrgen/api", "/home/j\xc3\xbcrgen/api"}),
    [](const auto& info) { return info.param.label; });

TEST(ConfigFile, NoFileIsSilentAndKeepsTheRoot)
{
    TempDir dir;
    const LoadOutcome got = load(dir / "Quorvane.cfg");
    EXPECT_EQ(got.docpath, "");
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(got.err, "");
}

TEST(ConfigFile, ZeroByteFileIsUnreadable)
{
    TempDir dir;
    const LoadOutcome got = load(dir.write("Quorvane.cfg", ""), "earlier");
    EXPECT_EQ(got.docpath, "");  // the file was opened, so the root was already emptied
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(got.err, kUnreadable);
}

TEST(ConfigFile, DirectoryIsUnreadableAndUnwritable)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Quorvane.cfg");
    const LoadOutcome got = load(dir / "Quorvane.cfg", "earlier");
    EXPECT_EQ(got.docpath, "earlier");  // opening failed before the root was touched
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(got.err, kUnreadable);

    EXPECT_FALSE(writeConfigFile(dir / "Quorvane.cfg", "/docs"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Quorvane.cfg"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvane.cfg.tmp"));
}

TEST(ConfigFile, HugeFirstLineIsUnreadableNotSwallowed)
{
    TempDir dir;
    const LoadOutcome got = load(dir.write("Quorvane.cfg", std::string(3 << 20, 'x')));
    EXPECT_EQ(got.docpath, "");
    EXPECT_EQ(got.err, kUnreadable);
}

TEST(ConfigFile, WriteIsUnterminatedAndRoundTripsBlanks)
{
    TempDir dir;
    const auto file = dir / "Quorvane.cfg";
    ASSERT_TRUE(writeConfigFile(file, " /a b/api "));
    EXPECT_EQ(readBytes(file), " /a b/api ");
    EXPECT_EQ(load(file).docpath, " /a b/api ");

    saveConfig("", file);
    EXPECT_EQ(readBytes(file), "");
    EXPECT_EQ(load(file).err, kUnreadable);  // an empty root does not survive a restart
}

TEST(ConfigFile, FailedWriteKeepsTheOldFile)
{
    TempDir dir;
    const auto file = dir.write("Quorvane.cfg", "/old/root\nsecond line");
    std::filesystem::create_directory(dir / "Quorvane.cfg.tmp");  // the new content cannot go there

    EXPECT_FALSE(writeConfigFile(file, "/new/root"));
    EXPECT_EQ(readBytes(file), "/old/root\nsecond line");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Quorvane.cfg.tmp"));  // not ours to remove
}

TEST(ConfigFile, WriteThroughSymlinkReplacesTheTarget)
{
    TempDir dir;
    const auto real = dir.write("real.cfg", "/old");
    std::filesystem::create_symlink(real, dir / "Quorvane.cfg");
    ASSERT_TRUE(writeConfigFile(dir / "Quorvane.cfg", "/new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Quorvane.cfg"));
    EXPECT_EQ(readBytes(real), "/new");
}

TEST(ConfigFile, NamedPipeIsUnreadableWithoutWaiting)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "Quorvane.cfg").c_str(), 0600), 0);
    const LoadOutcome got = load(dir / "Quorvane.cfg", "earlier");
    EXPECT_EQ(got.docpath, "earlier");
    EXPECT_EQ(got.err, kUnreadable);
}

TEST(ConfigFile, WriteGoesAroundWhateverLiesAtTheTemporaryName)
{
    TempDir dir;
    const auto other = dir.write("other.txt", "not ours");
    std::filesystem::create_symlink(other, dir / "Quorvane.cfg.tmp");
    ASSERT_TRUE(writeConfigFile(dir / "Quorvane.cfg", "/through/link"));
    EXPECT_EQ(readBytes(other), "not ours");  // nothing is written through the link
    EXPECT_EQ(readBytes(dir / "Quorvane.cfg"), "/through/link");

    dir.write("Quorvane.cfg.tmp", "stale from an earlier run");
    ASSERT_TRUE(writeConfigFile(dir / "Quorvane.cfg", "/after/stale"));
    EXPECT_EQ(readBytes(dir / "Quorvane.cfg"), "/after/stale");
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvane.cfg.tmp"));
}

}  // namespace
}  // namespace qv
