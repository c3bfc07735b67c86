// Look-up by name, the class path's order, and the errors of broken libraries, on small
// libraries of hand-made class files.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "class_writer.h"
#include "error_text.h"
#include "platform/ClassLibrary.h"
#include "platform/class_file.h"
#include "reflection_dump.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::ClassDraft;

constexpr std::uint16_t kPublic = access::kPublic;

void put(const test::TempDir& dir, const std::string& root, const ClassDraft& draft)
{
    dir.write(root + "/" + draft.name + ".class", test::writeClass(draft));
}

// A library of its own: java/lang/Object and a few classes, as a directory.
struct MiniLibrary {
    test::TempDir dir;
    MiniLibrary()
    {
        put(dir, "base", {0x21, "java/lang/Object", "", {}, {{kPublic, "<init>", "()V", {}}, {kPublic, "hashCode", "()I", {}}}});
        put(dir, "base", {0x21, "a/Outer", "java/lang/Object", {}, {{kPublic, "<init>", "()V", {}}}});
        put(dir, "base", {0x21, "a/Outer$Inner", "java/lang/Object", {}, {{kPublic, "<init>", "(La/Outer;)V", {}}}});
        put(dir, "base", {0x21, "a/Outer$Inner$Deep", "java/lang/Object", {}, {}});
        put(dir, "base", {0x20, "a/PackagePrivate", "java/lang/Object", {}, {{0, "m", "()V", {}}}});
    }
    std::shared_ptr<ClassLibrary> open(std::vector<fs::path> more = {}) const
    {
        std::vector<ClassPathElement> elements{{dir / "base", SourceKind::Directory, true, {}}};
        for (const auto& p : more)
            elements.push_back({p, SourceKind::Directory, false, {}});
        return std::make_shared<ClassLibrary>(elements);
    }
};

std::string libraryError(ClassLibrary& library, const std::string& name)
{
    return test::errorText<ClassLibraryError>([&] { library.forName(name); });
}

TEST(ClassLibrary, FindsBinaryNamesAndTheDottedFormOfNestedClasses)
{
    const MiniLibrary mini;
    const auto library = mini.open();
    EXPECT_EQ(library->forName("a.Outer$Inner")->getName(), "a.Outer$Inner");
    EXPECT_EQ(library->forName("a.Outer.Inner")->getName(), "a.Outer$Inner");
    EXPECT_EQ(library->forName("a.Outer.Inner.Deep")->getName(), "a.Outer$Inner$Deep");
    EXPECT_EQ(library->forName("a.Outer$Inner.Deep")->getName(), "a.Outer$Inner$Deep");
    EXPECT_EQ(library->forName("a.PackagePrivate")->getName(), "a.PackagePrivate");  // access does not matter
    EXPECT_EQ(test::reflectedTexts(*library, "a.Outer.Inner"),
              (std::vector<std::string>{"public a.Outer$Inner(a.Outer)", "public int java.lang.Object.hashCode()"}));
    for (const char* absent : {"a.Outer.Missing", "Outer", "a/Outer", "a.Outer.", ".a.Outer", "a..Outer", "",
                               "[La.Outer;", "int", "a.Outer.Inner.Deep.More", "a.outer"})
        EXPECT_THROW(library->forName(absent), ClassNotFoundError) << absent;
}

TEST(ClassLibrary, TheFirstElementThatHoldsAClassWins)
{
    const MiniLibrary mini;
    put(mini.dir, "first", {0x21, "b/X", "java/lang/Object", {}, {{kPublic, "fromFirst", "()V", {}}}});
    put(mini.dir, "second", {0x21, "b/X", "java/lang/Object", {}, {{kPublic, "fromSecond", "()V", {}}}});
    put(mini.dir, "second", {0x21, "b/Y", "b/X", {}, {}});
    const auto library = mini.open({mini.dir / "first", mini.dir / "second"});
    EXPECT_EQ(test::reflectedTexts(*library, "b.Y"),
              (std::vector<std::string>{"public void b.X.fromFirst()", "public int java.lang.Object.hashCode()"}));
}

TEST(ClassLibrary, BrokenHierarchiesAreErrorsOfTheirLookUp)
{
    const MiniLibrary mini;
    const std::string lib = (mini.dir / "lib").string();
    put(mini.dir, "lib", {0x21, "c/NoSuper", "c/Missing", {}, {}});
    put(mini.dir, "lib", {0x21, "c/NoInterface", "java/lang/Object", {"c/MissingI"}, {}});
    put(mini.dir, "lib", {0x21, "c/Child", "c/NoSuper", {}, {}});
    put(mini.dir, "lib", {0x21, "c/A", "c/B", {}, {}});
    put(mini.dir, "lib", {0x21, "c/B", "c/A", {}, {}});
    put(mini.dir, "lib", {0x601, "c/I", "java/lang/Object", {"c/I"}, {}});
    put(mini.dir, "lib", {0x21, "c/Real", "java/lang/Object", {}, {}});
    mini.dir.write("lib/c/Renamed.class", test::writeClass({0x21, "c/Real", "java/lang/Object", {}, {}}));
    mini.dir.write("lib/c/Garbage.class", "this is no class file");
    const auto library = mini.open({mini.dir / "lib"});
    const struct {
        const char* name;
        std::string message;
    } cases[] = {
        {"c.NoSuper", lib + "/c/NoSuper.class: superclass c.Missing not found"},
        {"c.Child", lib + "/c/NoSuper.class: superclass c.Missing not found"},
        {"c.NoInterface", lib + "/c/NoInterface.class: interface c.MissingI not found"},
        {"c.A", lib + "/c/A.class: class c.A is its own supertype (a cycle of superclasses or interfaces)"},
        {"c.B", lib + "/c/A.class: class c.A is its own supertype (a cycle of superclasses or interfaces)"},
        {"c.I", lib + "/c/I.class: class c.I is its own supertype (a cycle of superclasses or interfaces)"},
        {"c.Renamed", lib + "/c/Renamed.class: holds class c.Real, not c.Renamed"},
        {"c.Garbage", lib + "/c/Garbage.class: not a class file (bad magic)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(libraryError(*library, c.name), c.message) << c.name;
        EXPECT_EQ(libraryError(*library, c.name), c.message) << c.name << ", asked again";
    }
    // The library goes on answering.
    EXPECT_EQ(library->forName("c.Real")->getName(), "c.Real");
}

TEST(ClassLibrary, AnElementThatCannotBeOpenedIsReportedWhenItIsReached)
{
    const MiniLibrary mini;
    std::vector<ClassPathElement> elements{{mini.dir / "base", SourceKind::Directory, true, {}},
                                           {mini.dir / "broken.jar", SourceKind::Zip, false, {}}};
    mini.dir.write("broken.jar", "PK\x03\x04 but no end of central directory anywhere");
    ClassLibrary library(elements);
    EXPECT_EQ(library.forName("a.Outer")->getName(), "a.Outer");  // found before the broken element
    EXPECT_EQ(libraryError(library, "z.Elsewhere"),
              (mini.dir / "broken.jar").string() + ": not a zip archive (no end of central directory)");
}

TEST(DefaultLibrary, NoneFoundMakesEveryLookUpNameWhereItLooked)
{
    JavaEnvironment environment;
    environment.javaHome = "/nonexistent/jdk";
    ClassLibrary library(defaultLibrary(environment));
    const std::string expected = "no Java class library found: looked for lib/modules, jre/lib/rt.jar, lib/rt.jar "
                                 "and lib/classes.zip in /nonexistent/jdk (from JAVA_HOME)";
    EXPECT_EQ(libraryError(library, "java.lang.String"), expected);
    EXPECT_EQ(libraryError(library, "java.lang.Object"), expected);
    EXPECT_THROW(library.listClassNames(), ClassLibraryError);
}

TEST(DefaultLibrary, JavaHomeThenTheJavaOnPathThenTheSystemDefault)
{
    const test::TempDir dir;
    dir.write("jdk/bin/java", "#!/bin/sh\n");
    ::chmod((dir / "jdk/bin/java").c_str(), 0755);
    fs::create_directories(dir / "links");
    fs::create_symlink(dir / "jdk/bin/java", dir / "links/java");
    dir.write("notexec/java", "");

    JavaEnvironment environment;
    environment.path = (dir / "notexec").string() + "::" + (dir / "links").string();
    std::string how;
    EXPECT_EQ(defaultJavaHome(environment, &how), fs::canonical(dir / "jdk"));
    EXPECT_EQ(how, "from " + fs::canonical(dir / "jdk/bin/java").string());
    environment.javaHome = "/opt/some-jdk";
    EXPECT_EQ(defaultJavaHome(environment), "/opt/some-jdk");
    EXPECT_EQ(defaultJavaHome(JavaEnvironment{}, &how), "/usr/lib/jvm/default-java");
    EXPECT_EQ(how, "JAVA_HOME is not set and no java is on PATH");
}

TEST(DefaultLibrary, WhereAHomeKeepsItsClasses)
{
    const test::TempDir dir;
    dir.write("nine/lib/modules", "");
    dir.write("nine/jre/lib/rt.jar", "");  // the image comes first
    dir.write("eight/jre/lib/rt.jar", "");
    dir.write("eight/jre/lib/charsets.jar", "");
    dir.write("eight/jre/lib/jce.jar", "");
    dir.write("eight/jre/lib/notes.txt", "");
    dir.write("eight/lib/tools.jar", "");
    dir.write("jre8/lib/rt.jar", "");
    dir.write("one/lib/classes.zip", "");
    const auto paths = [](const std::vector<ClassPathElement>& elements) {
        std::vector<fs::path> out;
        for (const auto& e : elements)
            out.push_back(e.path);
        return out;
    };
    EXPECT_EQ(paths(jdkLibraryOf(dir / "nine")), (std::vector<fs::path>{dir / "nine/lib/modules"}));
    EXPECT_EQ(paths(jdkLibraryOf(dir / "eight")),
              (std::vector<fs::path>{dir / "eight/jre/lib/rt.jar", dir / "eight/jre/lib/charsets.jar",
                                     dir / "eight/jre/lib/jce.jar"}));
    EXPECT_EQ(paths(jdkLibraryOf(dir / "jre8")), (std::vector<fs::path>{dir / "jre8/lib/rt.jar"}));
    EXPECT_EQ(paths(jdkLibraryOf(dir / "one")), (std::vector<fs::path>{dir / "one/lib/classes.zip"}));
    EXPECT_TRUE(jdkLibraryOf(dir / "nothing").empty());
}

TEST(ClassPath, TheDefaultLibraryGoesInFrontOfAListWithoutOne)
{
    const test::TempDir dir;
    dir.write("home/lib/modules", "\xDA\xDA\xFE\xCA");  // the image magic, little-endian
    dir.write("classes/a/A.class", "");
    dir.write("my.jar", "PK");
    dir.write("rt.jar", "PK");
    dir.write("mods/java.base.jmod", std::string("JM\x01\x00", 4));
    dir.write("mods/other.jmod", std::string("JM\x01\x00", 4));
    JavaEnvironment environment;
    environment.javaHome = (dir / "home").string();
    const auto describe = [&](std::string_view list) {
        std::string out;
        for (const auto& e : parseClassPath(list, environment))
            out += e.path.lexically_relative(dir.path()).string() + (e.isJdkLibrary ? "*" : "") +
                   (e.error.empty() ? "" : "!") + " ";
        return out;
    };
    const std::string d = dir.path().string();
    EXPECT_EQ(describe(d + "/my.jar:" + d + "/classes"), "home/lib/modules* my.jar classes ");
    EXPECT_EQ(describe(d + "/my.jar::" + d + "/home"), "my.jar home/lib/modules* ");
    EXPECT_EQ(describe(d + "/rt.jar"), "rt.jar* ");
    EXPECT_EQ(describe(d + "/home/lib/modules"), "home/lib/modules* ");
    EXPECT_EQ(describe(d + "/mods/java.base.jmod:" + d + "/mods/other.jmod"), "mods/java.base.jmod* mods/other.jmod ");
    EXPECT_EQ(describe(d + "/mods/other.jmod"), "home/lib/modules* mods/other.jmod ");
    EXPECT_EQ(describe(d + "/missing.jar"), "home/lib/modules* missing.jar! ");
    EXPECT_EQ(parseClassPath("/dev/null", environment).back().error, "/dev/null: not a regular file or directory");
    EXPECT_EQ(describe(""), "home/lib/modules* ");
}

}  // namespace
}  // namespace qv
