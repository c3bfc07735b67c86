#include "docs/member_doc.h"

#include <gtest/gtest.h>

#include "docs/page_choice.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using test::TempDir;

const std::string kPages = QV_DOC_PAGES_DIR;

// The two forms of page: lower-case tags with a "constructors" anchor, and upper-case
// tags with a "Constructor Detail" heading.
TEST(MemberDoc, LowerCaseTagPageGivesTheEntryExactly)
{
    EXPECT_EQ(extractMemberDoc(kPages, "LowerCaseTags", "size", 0),
              "   public int size(int depth)\n\n   \n   Returns the size at the given depth.\n   \n\n"
              "   PARAMETERS:\n   depth - how deep\n\n   RETURNS:\n   the size\n");
}

TEST(MemberDoc, UpperCaseTagPageGivesTheEntryExactly)
{
    EXPECT_EQ(extractMemberDoc(kPages, "UpperCaseTags", "size", 0),
              "   public int size(int depth)\n\n   \n   Returns the size.\n   .\n"
              "   Parameters: depth - how deep\n\nReturns: the size\n   \n");
}

TEST(MemberDoc, LineEndingsDoNotChangeTheResult)
{
    const std::string expected = extractMemberDoc(kPages, "UpperCaseTags", "size", 0);
    const std::string page = test::readBytes(kPages + "/UpperCaseTags.html");
    for (const std::string_view ending : {"\r\n", "\r"}) {
        std::string converted;
        for (const char c : page)
            if (c == '\n')
                converted.append(ending);
            else
                converted.push_back(c);
        TempDir dir;
        dir.write("p.html", converted);
        EXPECT_EQ(extractMemberDoc(dir.path().string(), "p", "size", 0), expected) << "ending of size " << ending.size();
    }
}

struct PageCase {
    std::string label;
    std::string page;
    std::string member;
    int count;
    std::string expected;

    friend void PrintTo(const PageCase& c, std::ostream* os) { *os << c.label; }
};

class PageCases : public testing::TestWithParam<PageCase> {};

TEST_P(PageCases, Extract)
{
    const PageCase& c = GetParam();
    TempDir dir;
    dir.write("p/Sample.html", c.page);
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", c.member, c.count), c.expected);
}

const std::string kOpen = "<H2>Constructor Detail</H2>\n";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PageCases,
    testing::Values(
        PageCase{"EqualCountsTakeTheFirstInPageOrder",
                 kOpen + "public void f(int a)\nfirst one\n<HR>\npublic void f(String s)\nsecond one\n<HR>\n", "f", 0,
                 "   public void f(int a)\n\n   first one\n"},
        PageCase{"NoParameterAndOneParameterBothCountZero",
                 kOpen + "public void f()\nnone\n<HR>\npublic void f(int a)\none\n<HR>\n", "f", 0,
                 "   public void f()\n\n   none\n"},
        PageCase{"SevenOrMoreParametersCountSix",
                 kOpen + "public void f(int a, int b)\ntwo\n<HR>\n"
                         "public void f(int a, int b, int c, int d, int e, int f, int g, int h)\neight\n<HR>\n",
                 "f", 6, "   public void f(int a, int b, int c, int d, int e, int f, int g, int h)\n\n   eight\n"},
        PageCase{"ThreeLineSignatureIsTestedOnItsFirstTwoLines",
                 kOpen + "public void f(int a,\n    int b,\n    int c)\ntext\n<HR>\n", "f", 2,
                 "   public void f(int a, int b,\n\n   int c)\n   text\n"},
        PageCase{"ThreeLineSignatureNotFoundByItsFullCount",
                 kOpen + "public void f(int a,\n    int b,\n    int c, int d)\ntext\n<HR>\n", "f", 3, ""},
        PageCase{"ContinuationAtTheEndOfThePageEndsTheReading", kOpen + "public void f(int a,", "f", 1, ""},
        PageCase{"NameInsideALongerName",
                 kOpen + "public boolean addAll(Collection c)\nall\n<HR>\npublic boolean add(Object o)\none\n<HR>\n",
                 "add", 0, "   public boolean addAll(Collection c)\n\n   all\n"},
        PageCase{"NameMustComeAfterPublic", kOpen + "f is public(int a)\n<HR>\npublic void f(int a)\nyes\n<HR>\n",
                 "f", 0, "   public void f(int a)\n\n   yes\n"},
        PageCase{"EndMarkerOnTheSignatureLine", kOpen + "public void f()<HR>\ntext\n<HR>\n", "f", 0, ""},
        PageCase{"SeeAlsoEnds", kOpen + "public void f()\ntext\nSee Also: g\nmore\n<HR>\n", "f", 0,
                 "   public void f()\n\n   text\n"},
        PageCase{"LowerCaseEndMarkerEnds", kOpen + "public void f()\ntext\n</dl>\nmore\n", "f", 0,
                 "   public void f()\n\n   text\n"},
        PageCase{"UpperCaseDefinitionListEndIsNoEndMarker", kOpen + "public void f()\ntext\n</DL>\nmore\n</TR>\n",
                 "f", 0, "   public void f()\n\n   text\n   \n   more\n"},
        PageCase{"OverviewStopsConversionAndADetailMarkerRestartsIt",
                 kOpen + "public void f()\nbefore\nOverview\nhidden\nmore constructors here\nafter\n<HR>\n", "f", 0,
                 "   public void f()\n\n   before\n   more constructors here\n   after\n"},
        PageCase{"AllPackagesWinsOverADetailMarkerOnTheSameLine",
                 kOpen + "public void f()\nbefore\nAll Packages and Constructor Detail\nhidden\n<HR>\n", "f", 0,
                 "   public void f()\n\n   before\n"},
        PageCase{"SignatureBeforeTheDetailsIsNotFound",
                 "public void f()\nsummary\n<HR>\n" + kOpen + "public void f()\ndetail\n<HR>\n", "f", 0,
                 "   public void f()\n\n   detail\n"},
        PageCase{"DetailMarkerOnTheSignatureLineOpensOnlyLaterLines",
                 "Constructor Detail public void f()\n<HR>\npublic void f()\nlater\n<HR>\n", "f", 0,
                 "   public void f()\n\n   later\n"},
        PageCase{"PageWithoutDetailSections", "<H2>Method Summary</H2>\npublic void f()\ntext\n<HR>\n", "f", 0, ""},
        PageCase{"MemberAbsentReadsToTheEnd", kOpen + "public void g()\ntext\n<HR>\n", "f", 0, ""},
        PageCase{"OnlyTheFirstShortLineAfterALongerOneIsKept",
                 kOpen + "public void f()\n<P>\n\n<P>\nab\ntext line\n<P>\nabc\n<HR>\n", "f", 0,
                 "   public void f()\n\n   \n   text line\n   \n"},
        PageCase{"ShortFirstLineIsDroppedButStillFollowedByAnEmptyLine",
                 kOpen + "<i public>f()</i>\ntext\n<HR>\n", "f", 0, "\n   text\n"},
        PageCase{"MethodDetailHeadingSetApart",
                 kOpen + "public void f()\n<H2>Method Detail</H2>\n<HR>\n", "f", 0,
                 "   public void f()\n\n\n\n   Method Detail\n"},
        PageCase{"ConstructorFoundBySimpleClassName",
                 kOpen + "public <B>Sample</B>(int&nbsp;size)\nMakes one.\n<HR>\n", "Sample", 0,
                 "   public Sample(int size)\n\n   Makes one.\n"}),
    [](const auto& info) { return info.param.label; });

TEST(MemberDoc, EmptyOrWrongInputsGiveEmptyText)
{
    EXPECT_EQ(extractMemberDoc("", "UpperCaseTags", "size", 0), "");
    EXPECT_EQ(extractMemberDoc(kPages, "", "size", 0), "");
    EXPECT_EQ(extractMemberDoc(kPages + "/nowhere", "UpperCaseTags", "size", 0), "");
    EXPECT_EQ(extractMemberDoc(kPages, "UpperCaseTags", "size", 1), "");
    EXPECT_EQ(extractMemberDoc(kPages, "UpperCaseTags", "", 0), "");
    EXPECT_EQ(extractMemberDoc(kPages, std::string("UpperCaseTags\0x", 15), "size", 0), "");
}

TEST(MemberDoc, EmptyRootPutsTheSeparatorFirst)
{
    EXPECT_EQ(choosePagePath("", "no.such.Quorvane9Page"), "/no/such/Quorvane9Page.html");
}

TEST(MemberDoc, BlanksAroundTheNameAreKept)
{
    EXPECT_EQ(extractMemberDoc(kPages, " UpperCaseTags", "size", 0), "");
    EXPECT_EQ(extractMemberDoc(kPages, "UpperCaseTags ", "size", 0), "");
}

TEST(MemberDoc, FlatPageIsPreferredOverTheNestedOne)
{
    TempDir dir;
    dir.write("p.Sample.html", kOpen + "public void f()\nflat\n<HR>\n");
    dir.write("p/Sample.html", kOpen + "public void f()\nnested\n<HR>\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "f", 0), "   public void f()\n\n   flat\n");
}

TEST(MemberDoc, DirectoryAtTheFlatPathIsChosenAndGivesNothing)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "p.Sample.html");
    dir.write("p/Sample.html", kOpen + "public void f()\nnested\n<HR>\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "f", 0), "");
}

TEST(MemberDoc, RootIsUsedUnchanged)
{
    TempDir dir;
    dir.write("p/Sample.html", kOpen + "public void f()\ntext\n<HR>\n");
    // A root with a separator at its end gives "//", which names the same file here.
    EXPECT_EQ(extractMemberDoc(dir.path().string() + "/", "p.Sample", "f", 0), "   public void f()\n\n   text\n");
}

TEST(MemberDoc, PageIsNamedByTheSelectedGroupOtherThanTheFirst)
{
    EXPECT_EQ(pageClassName(0, "  java.lang.Object", " java.lang.String "), " java.lang.String ");
    EXPECT_EQ(pageClassName(-1, "", "java.lang.String"), "java.lang.String");
    EXPECT_EQ(pageClassName(1, "  java.lang.Object", "java.lang.String"), "java.lang.Object");
    EXPECT_EQ(pageClassName(3, "  java.awt.Component ", "String"), "java.awt.Component");

    TempDir dir;
    dir.write("p/Sample.html", kOpen + "public void f()\nsample\n<HR>\n");
    dir.write("p/Base.html", kOpen + "public void f()\nbase\n<HR>\n");
    const std::string root = dir.path().string();
    EXPECT_EQ(extractMemberDoc(root, pageClassName(1, "  p.Base", "p.Sample"), "f", 0), "   public void f()\n\n   base\n");
    EXPECT_EQ(extractMemberDoc(root, pageClassName(0, "  p.Base", "p.Sample"), "f", 0), "   public void f()\n\n   sample\n");
}

TEST(MemberDoc, EveryCallReadsThePageAfresh)
{
    TempDir dir;
    const auto page = dir.write("p/Sample.html", kOpen + "public void f()\nold\n<HR>\n");
    const std::string root = dir.path().string();
    EXPECT_EQ(extractMemberDoc(root, "p.Sample", "f", 0), "   public void f()\n\n   old\n");
    dir.write("p/Sample.html", kOpen + "public void f()\nnew\n<HR>\n");
    EXPECT_EQ(extractMemberDoc(root, "p.Sample", "f", 0), "   public void f()\n\n   new\n");
    std::filesystem::remove(page);
    EXPECT_EQ(extractMemberDoc(root, "p.Sample", "f", 0), "");
}

// Later javadoc writes an interface method without the "public" it implies; its
// signature block is marked instead.
TEST(MemberDoc, SignatureBlockMarkStandsForPublicOnlyWhenPublicIsAbsent)
{
    TempDir dir;
    dir.write("p/Sample.html",
              kOpen + "<div class=\"member-signature\"><span>int</span>&nbsp;<span>size</span>()</div>\nsize text\n</dl>\n");
    dir.write("p/Other.html", kOpen + "<div class=\"member-signature\">size is public()\n</dl>\n"
                                      "public int size()\nlater\n</dl>\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "size", 0), "   int size()\n\n   size text\n");
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Other", "size", 0), "   public int size()\n\n   later\n");
    // A member name inside the mark itself is no match.
    EXPECT_EQ(extractMemberDoc(dir.path().string(), "p.Sample", "sign", 0), "");
}

}  // namespace
}  // namespace qv
