// quorvane-cli doc, run as a whole process.

#include <gtest/gtest.h>

#include "docs/member_doc.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using test::ProcessResult;
using test::TempDir;

const std::string kPages = QV_DOC_PAGES_DIR;
const std::string kExample = extractMemberDoc(kPages, "UpperCaseTags", "size", 0);

ProcessResult doc(std::vector<std::string> args, const std::filesystem::path& workingDirectory = {})
{
    args.insert(args.begin(), "doc");
    return test::runProcess(QV_CLI_PATH, args, workingDirectory);
}

TEST(CliDoc, PrintsExactlyTheTextAndSucceeds)
{
    ASSERT_FALSE(kExample.empty());
    const ProcessResult run = doc({"--docpath", kPages, "UpperCaseTags", "size", "0"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, kExample);
    EXPECT_EQ(run.err, "");
}

TEST(CliDoc, EmptyTextFails)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--docpath", kPages, "UpperCaseTags", "size", "1"},
          std::vector<std::string>{"--docpath", kPages, "NoSuchPage", "size", "0"},
          std::vector<std::string>{"--docpath", kPages, " UpperCaseTags", "size", "0"}}) {
        const ProcessResult run = doc(args);
        EXPECT_EQ(run.exitStatus, 1) << args[2];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliDoc, GroupLabelNamesThePage)
{
    const ProcessResult run = doc({"--docpath", kPages, "--group", "  UpperCaseTags ", "NoSuchPage", "size", "0"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, kExample);
    const ProcessResult other = doc({"--group", "NoSuchPage", "--docpath", kPages, "UpperCaseTags", "size", "0"});
    EXPECT_EQ(other.exitStatus, 1);
    EXPECT_EQ(other.out, "");
}

TEST(CliDoc, RootComesFromTheConfigurationFileInTheWorkingDirectory)
{
    TempDir dir;
    dir.write("Quorvane.cfg", kPages + "\r\nsecond line");
    const ProcessResult run = doc({"UpperCaseTags", "size", "0"}, dir.path());
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, kExample) << "no console line before the text";
    EXPECT_EQ(run.err, "");

    // --docpath wins over the file.
    const ProcessResult given = doc({"--docpath", dir.path().string(), "UpperCaseTags", "size", "0"}, dir.path());
    EXPECT_EQ(given.exitStatus, 1);
}

TEST(CliDoc, WithoutAReadableConfigurationFileTheRootIsEmpty)
{
    TempDir missing;
    TempDir empty;
    empty.write("Quorvane.cfg", "");
    TempDir directory;
    std::filesystem::create_directory(directory / "Quorvane.cfg");
    for (const TempDir* dir : {&missing, &empty, &directory}) {
        const ProcessResult run = doc({"UpperCaseTags", "size", "0"}, dir->path());
        EXPECT_EQ(run.exitStatus, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "") << "no console line";
    }
}

TEST(CliDoc, BadArgumentsExitTwo)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"UpperCaseTags", "size"},
          std::vector<std::string>{"UpperCaseTags", "size", "0", "extra"},
          std::vector<std::string>{"UpperCaseTags", "size", "x"}, std::vector<std::string>{"UpperCaseTags", "size", "1x"},
          std::vector<std::string>{"UpperCaseTags", "size", ""},
          std::vector<std::string>{"UpperCaseTags", "size", "99999999999999999999"},
          std::vector<std::string>{"--docpath"}, std::vector<std::string>{"UpperCaseTags", "size", "0", "--group"},
          std::vector<std::string>{"--verbose", "UpperCaseTags", "size", "0"}}) {
        const ProcessResult run = doc(args);
        EXPECT_EQ(run.exitStatus, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: quorvane-cli doc"), std::string::npos) << run.err;
    }
}

TEST(CliDoc, DoubleDashEndsTheOptions)
{
    TempDir dir;
    dir.write("--p/Sample.html", "<H2>Constructor Detail</H2>\npublic void f()\ntext\n<HR>\n");
    const ProcessResult run = doc({"--docpath", dir.path().string(), "--", "--p.Sample", "f", "0"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "   public void f()\n\n   text\n");
}

}  // namespace
}  // namespace qv
