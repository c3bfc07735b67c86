// Classes compiled by javac from fixtures/ and fixtures8/ (--release 8), read through
// every kind of holder: a directory, a deflated jar, a stored zip, a jmod-like zip with
// a stub, a zip with a script stub and ZIP64 records, a real jmod, and a runtime image.
// Each must give the JDK's own reflection of the same classes.

#include <gtest/gtest.h>

#include <cstdlib>

#include "image_builder.h"
#include "platform/ClassLibrary.h"
#include "reflection_dump.h"
#include "support/temp_dir.h"
#include "zip_writer.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

std::string javaSources(const fs::path& directory)
{
    std::string list;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        if (entry.path().extension() == ".java")
            list += " " + quoted(entry.path());
    return list;
}

// The fixture classes, compiled once for all tests of this file.
class Fixtures : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new test::TempDir;
        const fs::path sources = fs::path(QV_SOURCE_DIR) / "tests/platform";
        // A UTF-8 locale, so that javac and java handle the non-ASCII class names.
        const std::string javac = std::string("LC_ALL=C.UTF-8 '") + QV_JAVAC + "' -encoding UTF-8 -d " + quoted(classes());
        test::runCommand(javac + javaSources(sources / "fixtures") + " 2>&1");
        test::runCommand(javac + " --release 8" + javaSources(sources / "fixtures8") + " 2>&1");
        dump_ = new test::ReflectionDump(test::parseReflectionDump(test::runCommand(
            std::string("LC_ALL=C.UTF-8 '") + QV_JAVA + "' " + quoted(sources / "ReflectionDump.java") + " dir " +
            quoted(classes()))));
        for (const auto& entry : fs::recursive_directory_iterator(classes()))
            if (entry.is_regular_file())
                files_.push_back({entry.path().lexically_relative(classes()).generic_string(),
                                  test::readBytes(entry.path())});
    }
    static void TearDownTestSuite()
    {
        delete dump_;
        delete dir_;
    }

    static fs::path classes() { return dir_->path() / "classes"; }

    // Every fixture class read through `holder` (after the JDK's own library) must match.
    static void expectSameAsJdk(const fs::path& holder)
    {
        ASSERT_GE(dump_->classes.size(), 20u);
        EXPECT_TRUE(dump_->failures.empty());
        const auto library = openClassPath(dump_->javaHome + ":" + holder.string());
        for (const auto& [name, expected] : dump_->classes) {
            std::vector<std::string> actual;
            try {
                actual = test::reflectedTexts(*library, name);
            } catch (const std::exception& e) {
                ADD_FAILURE() << holder << ": " << name << ": " << e.what();
                continue;
            }
            EXPECT_EQ(test::sorted(actual), test::sorted(expected)) << holder << ": " << name;
        }
        // The holder lists the same classes (after the JDK's).
        const auto names = library->listClassNames();
        for (const auto& [name, expected] : dump_->classes)
            EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << holder << " does not list " << name;
    }

    static std::vector<test::ZipEntry> entries(const std::string& prefix, bool deflate)
    {
        std::vector<test::ZipEntry> out;
        for (const auto& [name, bytes] : files_)
            out.push_back({prefix + name, bytes, deflate});
        return out;
    }

    static inline test::TempDir* dir_ = nullptr;
    static inline test::ReflectionDump* dump_ = nullptr;
    static inline std::vector<std::pair<std::string, std::string>> files_;
};

TEST_F(Fixtures, TheJdkSeesWhatTheFixturesShow)
{
    // A few lines that show the rules at work, so that a fixture that stopped compiling
    // the intended shape is noticed.
    const auto& d = dump_->classes;
    const auto has = [&](const std::string& cls, const std::string& line) {
        const auto it = d.find(cls);
        return it != d.end() && std::find(it->second.begin(), it->second.end(), line) != it->second.end();
    };
    EXPECT_TRUE(has("fx.Greeter", "public default java.lang.String fx.Greeter.greet(java.lang.String[])"));
    EXPECT_TRUE(has("fx.Runner", "public void fx.RunnerBase.run()"));
    EXPECT_TRUE(has("fx.Visible", "public void fx.Visible.shown()"));
    EXPECT_FALSE(has("fx.Runner", "public abstract void java.lang.Runnable.run()"));
    EXPECT_TRUE(has("fx.Covariant$Child", "public java.lang.Object fx.Covariant$Child.value()"));
    EXPECT_TRUE(has("fx8.Legacy", "public strictfp double fx8.Legacy.compute(double)"));
    EXPECT_TRUE(has("fx.Outer$Inner", "public fx.Outer$Inner(fx.Outer)"));
    EXPECT_TRUE(has("fx.Hidden", "public void fx.Hidden.gr\xC3\xBC\xC3\x9F" "e(fx.\xC3\x9Cn\xC3\xAF" "code)"));
}

TEST_F(Fixtures, Directory) { expectSameAsJdk(classes()); }

TEST_F(Fixtures, DeflatedJar)
{
    const auto jar = dir_->path() / "fixtures.jar";
    test::writeZip(jar, entries("", true));
    expectSameAsJdk(jar);
}

TEST_F(Fixtures, StoredZip)
{
    const auto zip = dir_->path() / "fixtures.zip";
    test::writeZip(zip, entries("", false));
    expectSameAsJdk(zip);
}

TEST_F(Fixtures, JmodLikeZipWithAStub)
{
    const auto zip = dir_->path() / "inner.zip";
    test::writeZip(zip, entries("classes/", true));
    expectSameAsJdk(dir_->write("fixtures.jmod", test::withStub(std::string("JM\x01\x00", 4), test::readBytes(zip))));
}

TEST_F(Fixtures, Zip64WithAScriptStub)
{
    const auto zip = dir_->path() / "big.zip";
    test::writeZip(zip, entries("", true), 70000);
    const std::string bytes = test::readBytes(zip);
    ASSERT_NE(bytes.find("PK\x06\x06"), std::string::npos) << "no ZIP64 end record";
    expectSameAsJdk(dir_->write("fixtures.run", test::withStub("#!/bin/sh\nexec java -jar \"$0\"\n", bytes)));
}

TEST_F(Fixtures, JmodMadeByTheJmodTool)
{
    const fs::path jmod = fs::path(QV_JAVAC).parent_path() / "jmod";
    if (!fs::exists(jmod))
        GTEST_SKIP() << "no jmod tool next to javac";
    // The tool wants a module: the fixture classes plus a module-info of their own.
    const auto module = dir_->path() / "module";
    fs::copy(classes(), module, fs::copy_options::recursive);
    const auto info = dir_->write("module-src/module-info.java", "module fx.fixtures { }\n");
    test::runCommand(std::string("'") + QV_JAVAC + "' -d " + quoted(module) + " " + quoted(info) + " 2>&1");
    const auto out = dir_->path() / "tool.jmod";
    test::runCommand("LC_ALL=C.UTF-8 " + quoted(jmod) + " create --class-path " + quoted(module) + " " + quoted(out) +
                     " 2>&1");
    expectSameAsJdk(out);
}

TEST_F(Fixtures, RuntimeImageWithStoredAndCompressedClasses)
{
    test::ImageBuilder builder;
    bool compress = false;
    for (const auto& [name, bytes] : files_) {
        compress = !compress;
        builder.addClass("fx.module", name.substr(0, name.size() - 6), bytes,
                         compress ? test::ImageBuilder::Storage::Zip : test::ImageBuilder::Storage::Stored);
    }
    expectSameAsJdk(dir_->write("modules", builder.build()));
}

TEST_F(Fixtures, AListWithoutAJdkLibraryGetsTheDefaultOneInFront)
{
    ::setenv("JAVA_HOME", dump_->javaHome.c_str(), 1);
    const auto library = openClassPath(classes().string());
    EXPECT_EQ(library->forName("fx.Point")->getName(), "fx.Point");
    EXPECT_EQ(library->forName("java.lang.String")->getName(), "java.lang.String");
}

}  // namespace
}  // namespace qv
