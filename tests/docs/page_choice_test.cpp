#include "docs/page_choice.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qv {
namespace {

using test::TempDir;

class PageChoice : public testing::Test {
protected:
    std::string root() const { return dir.path().string(); }
    std::string page(std::string_view relative) const { return root() + "/" + std::string(relative); }
    void add(std::string_view relative) const { dir.write(relative, "page\n"); }
    std::string choose(std::string_view className) const { return choosePagePath(root(), className); }

    TempDir dir;
};

TEST_F(PageChoice, FlatThenNestedThenNestedUntested)
{
    EXPECT_EQ(choose("p.q.C"), page("p/q/C.html"));
    add("p/q/C.html");
    EXPECT_EQ(choose("p.q.C"), page("p/q/C.html"));
    add("p.q.C.html");
    EXPECT_EQ(choose("p.q.C"), page("p.q.C.html"));
}

TEST_F(PageChoice, ModuleFromTheElementList)
{
    dir.write("element-list", "module:m.one\np.q\nmodule:m.two\nr.s\nr\n");
    add("m.two/r/s/C.html");
    add("m.one/r/D.html");  // r belongs to m.two, so this page is not looked at
    EXPECT_EQ(choose("r.s.C"), page("m.two/r/s/C.html"));
    EXPECT_EQ(choose("r.D"), page("r/D.html"));
}

TEST_F(PageChoice, ModuleDirectoriesTriedWithoutAnElementList)
{
    add("b.mod/p/C.html");
    add("a.mod/p/D.html");
    add("c.mod/p/D.html");
    EXPECT_EQ(choose("p.C"), page("b.mod/p/C.html"));
    EXPECT_EQ(choose("p.D"), page("a.mod/p/D.html"));
}

TEST_F(PageChoice, NestedClassPages)
{
    add("p/q/Outer.Inner.html");
    add("m/p/q/Map.Entry.html");
    add("p/A.B.C.html");
    EXPECT_EQ(choose("p.q.Outer$Inner"), page("p/q/Outer.Inner.html"));
    EXPECT_EQ(choose("p.q.Outer.Inner"), page("p/q/Outer.Inner.html"));
    EXPECT_EQ(choose("p.q.Map$Entry"), page("m/p/q/Map.Entry.html"));
    EXPECT_EQ(choose("p.A$B$C"), page("p/A.B.C.html"));
}

TEST_F(PageChoice, LongerPackageFirst)
{
    add("p/Outer/Inner.html");
    add("p/Outer.Inner.html");
    EXPECT_EQ(choose("p.Outer$Inner"), page("p/Outer/Inner.html"));
}

TEST_F(PageChoice, TheTwoFirstPathsWinOverLaterLayouts)
{
    add("m/p/C.html");
    add("p/C.html");
    EXPECT_EQ(choose("p.C"), page("p/C.html"));
    std::filesystem::create_directories(dir / "p.C.html");
    EXPECT_EQ(choose("p.C"), page("p.C.html"));
    std::filesystem::create_directories(dir / "p/Outer$Inner.html");
    add("p/Outer.Inner.html");
    EXPECT_EQ(choose("p.Outer$Inner"), page("p/Outer$Inner.html"));
}

TEST_F(PageChoice, LaterLayoutsTakeFilesOnly)
{
    std::filesystem::create_directories(dir / "m/p/C.html");
    std::filesystem::create_directories(dir / "p/Outer.Inner.html");
    EXPECT_EQ(laterJavadocPagePath(root(), "p.C"), "");
    EXPECT_EQ(laterJavadocPagePath(root(), "p.Outer$Inner"), "");
    EXPECT_EQ(choose("p.C"), page("p/C.html"));
}

TEST_F(PageChoice, NamesWithoutAPackageHaveNoLaterLayout)
{
    add("m/C.html");
    EXPECT_EQ(laterJavadocPagePath(root(), "C"), "");
    EXPECT_EQ(laterJavadocPagePath(root(), ""), "");
    EXPECT_EQ(laterJavadocPagePath(root(), ".C"), "");
}

}  // namespace
}  // namespace qv
