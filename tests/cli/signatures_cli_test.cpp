// quorvane-cli signatures: the output blocks, "Class not found", and the exit statuses.

#include <gtest/gtest.h>

#include <sstream>
#include <sys/wait.h>

#include "class_writer.h"
#include "platform/class_file.h"
#include "support/temp_dir.h"
#include "zip_writer.h"

namespace qv {
namespace {

struct CliRun {
    std::vector<std::string> out;
    std::vector<std::string> err;
    int status = -1;
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs quorvane-cli with `args` (already quoted for the shell) and JAVA_HOME set as given.
CliRun runCli(const test::TempDir& dir, const std::string& javaHome, const std::string& args)
{
    const auto out = dir / "out.txt", err = dir / "err.txt";
    const std::string command = "JAVA_HOME='" + javaHome + "' '" + QV_CLI_PATH + "' " + args + " >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = linesOf(test::readBytes(out));
    run.err = linesOf(test::readBytes(err));
    return run;
}

class SignaturesCommand : public testing::Test {
protected:
    void SetUp() override
    {
        const std::uint16_t pub = access::kPublic;
        dir_.write("lib/p/Tool.class",
                   test::writeClass({0x21, "p/Tool", "java/lang/Object", {},
                                     {{pub, "<init>", "()V", {}},
                                      {pub, "<init>", "(Ljava/lang/String;)V", {"java/io/IOException"}},
                                      {pub, "use", "([I)Lp/Tool$Part;", {}}}}));
        dir_.write("lib/p/Tool$Part.class", test::writeClass({0x21, "p/Tool$Part", "java/lang/Object", {}, {}}));
        dir_.write("lib/p/Broken.class", "\xCA\xFE\xBA\xBE truncated");
        lib_ = (dir_ / "lib").string();
    }

    test::TempDir dir_;
    std::string lib_;
};

TEST_F(SignaturesCommand, ConstructorsThenMethodsOneALine)
{
    const CliRun run = runCli(dir_, QV_JAVA_HOME, "signatures --class-path '" + lib_ + "' p.Tool");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    ASSERT_EQ(run.out.size(), 3u + 9u);  // its own members and java.lang.Object's nine methods
    EXPECT_EQ(run.out[0], "public p.Tool()");
    EXPECT_EQ(run.out[1], "public p.Tool(java.lang.String) throws java.io.IOException");
    EXPECT_EQ(run.out[2], "public p.Tool$Part p.Tool.use(int[])");
    for (std::size_t i = 3; i < run.out.size(); ++i)
        EXPECT_NE(run.out[i].find(" java.lang.Object."), std::string::npos) << run.out[i];
}

TEST_F(SignaturesCommand, ReadsAJar)
{
    // quorvane-cli loads the zip library only now, for the jar.
    const auto jar = dir_ / "tool.jar";
    test::writeZip(jar, {{"p/Tool.class", test::readBytes(dir_ / "lib/p/Tool.class"), true},
                         {"p/Tool$Part.class", test::readBytes(dir_ / "lib/p/Tool$Part.class"), true}});
    const CliRun fromJar = runCli(dir_, QV_JAVA_HOME, "signatures --class-path '" + jar.string() + "' p.Tool");
    const CliRun fromDirectory = runCli(dir_, QV_JAVA_HOME, "signatures --class-path '" + lib_ + "' p.Tool");
    EXPECT_EQ(fromJar.status, 0);
    EXPECT_TRUE(fromJar.err.empty());
    EXPECT_EQ(fromJar.out, fromDirectory.out);
    EXPECT_EQ(fromJar.out.size(), 12u);
}

TEST_F(SignaturesCommand, SeveralNamesGetHeadersAndAMissingOneIsReportedInItsBlock)
{
    const CliRun run = runCli(dir_, QV_JAVA_HOME, "signatures --class-path '" + lib_ + "' p.Tool.Part java.lang.Strng java.lang.Runnable");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.empty());
    const std::vector<std::string> objectMethods(run.out.begin() + 1, run.out.begin() + 10);
    std::vector<std::string> expected = {"# p.Tool.Part"};
    expected.insert(expected.end(), objectMethods.begin(), objectMethods.end());
    expected.insert(expected.end(), {"# java.lang.Strng", "Class not found : java.lang.Strng", "# java.lang.Runnable",
                                     "public abstract void java.lang.Runnable.run()"});
    EXPECT_EQ(run.out, expected);
}

TEST_F(SignaturesCommand, ABrokenClassFileIsOneLineOnStandardErrorAndStatus2)
{
    const CliRun run = runCli(dir_, QV_JAVA_HOME, "signatures --class-path '" + lib_ + "' p.Broken java.lang.Strng p.Tool.Part");
    EXPECT_EQ(run.status, 2);
    ASSERT_EQ(run.err.size(), 1u);
    EXPECT_EQ(run.err[0], "quorvane-cli: " + lib_ + "/p/Broken.class: unknown constant-pool tag 97 at index 1");
    EXPECT_EQ(run.out[0], "# p.Broken");
    EXPECT_EQ(run.out[1], "# java.lang.Strng");  // the others are still looked up
    EXPECT_EQ(run.out[2], "Class not found : java.lang.Strng");
    EXPECT_EQ(run.out[3], "# p.Tool.Part");
}

TEST_F(SignaturesCommand, NoClassLibraryAnywhere)
{
    const CliRun run = runCli(dir_, (dir_ / "no-jdk").string(), "signatures java.lang.String");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    ASSERT_EQ(run.err.size(), 1u);
    EXPECT_EQ(run.err[0], "quorvane-cli: no Java class library found: looked for lib/modules, jre/lib/rt.jar, "
                          "lib/rt.jar and lib/classes.zip in " + (dir_ / "no-jdk").string() + " (from JAVA_HOME)");
}

TEST_F(SignaturesCommand, UsageErrors)
{
    for (const char* args : {"signatures", "signatures --class-path", "signatures --bogus java.lang.String"}) {
        const CliRun run = runCli(dir_, QV_JAVA_HOME, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
}

}  // namespace
}  // namespace qv
