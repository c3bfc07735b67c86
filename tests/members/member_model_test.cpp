#include "members/member_model.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv {
namespace {

const std::vector<std::string> kStringSample = {
    "public java.lang.String()",
    "public java.lang.String(char[])",
    "public int java.lang.String.length()",
    "public char java.lang.String.charAt(int)",
    "public boolean java.lang.String.equals(java.lang.Object)",
    "public final native java.lang.Class java.lang.Object.getClass()",
    "public int java.lang.String.compareTo(java.lang.String)",
    "public int java.lang.String.compareTo(java.lang.Object)",
    "public int java.lang.String.indexOf(java.lang.String,int)",
};

std::string padded(const std::string& name)
{
    return name + std::string(name.size() < 18 ? 18 - name.size() : 0, ' ');
}

TEST(MemberEntry, NamePaddedThenTheTextWithoutItsFirstWord)
{
    const std::pair<const char*, std::string> cases[] = {
        {"public int length()", padded("length") + "  int length()"},
        {"public String()", padded("String") + "  String()"},
        {"public static String valueOf(char[],int,int)", padded("valueOf") + "  static String valueOf(char[],int,int)"},
        {"public String(byte[],int,int,String) throws UnsupportedEncodingException",
         padded("String") + "  String(byte[],int,int,String) throws UnsupportedEncodingException"},
        {"public abstract Object Map$getKey()", padded("Map$getKey") + "  abstract Object Map$getKey()"},
        {"public void addPropertyChangeListener(PropertyChangeListener)",
         "addPropertyChangeListener  void addPropertyChangeListener(PropertyChangeListener)"},
        {"public void exactlyEighteenChars()", "exactlyEighteenChars  void exactlyEighteenChars()"},
        {"public void abcdefghijklmnopq()", "abcdefghijklmnopq   void abcdefghijklmnopq()"},
        {" leading blank()", padded("blank") + "   leading blank()"},  // first blank at 0: nothing removed
        {"public void caf\xc3\xa9()", "caf\xc3\xa9" + std::string(14, ' ') + "  void caf\xc3\xa9()"},
    };
    for (const auto& [stripped, entry] : cases)
        EXPECT_EQ(memberEntry(stripped), entry) << stripped;
}

TEST(MemberModel, GroupsRelabelAndInitialGroup)
{
    const MemberModel model = buildMemberModel(kStringSample, "", "java.lang.String");
    ASSERT_EQ(model.status, RebuildStatus::Complete);
    EXPECT_EQ(model.labels, (std::vector<std::string>{"Constructors", "java.lang.String", "java.lang.Object"}));
    EXPECT_EQ(model.initialGroup, 1);
    ASSERT_EQ(model.entries.size(), 3u);
    EXPECT_EQ(model.entries[0],
              (std::vector<std::string>{padded("String") + "  String(char[])", padded("String") + "  String()"}));
    EXPECT_EQ(model.entries[1],
              (std::vector<std::string>{
                  padded("charAt") + "  char charAt(int)", padded("compareTo") + "  int compareTo(String)",
                  padded("compareTo") + "  int compareTo(Object)", padded("equals") + "  boolean equals(Object)",
                  padded("indexOf") + "  int indexOf(String,int)", padded("length") + "  int length()"}));
    EXPECT_EQ(model.entries[2], (std::vector<std::string>{padded("getClass") + "  final native Class getClass()"}));
}

TEST(MemberModel, SearchTextAndClassNameText)
{
    struct Case {
        const char* search;
        const char* className;
        std::vector<std::string> labels;
        int initial;
    };
    const Case cases[] = {
        {"", " java.lang.String", {"java.lang", "java.lang.String", "java.lang.Object"}, 0},  // no relabel
        {"(", "java.lang.String", {"Constructors", "java.lang.String", "java.lang.Object"}, 1},
        {"nothing matches", "java.lang.String", {}, 0},
        {"Object", "java.lang.String", {"java.lang.String", "java.lang.Object"}, 0},  // equals, compareTo, getClass
        {"length", "java.lang.String", {"java.lang.String"}, 0},
        {"", "String", {"Constructors", "java.lang.String", "java.lang.Object"}, 1},
        {"", "Object", {"Constructors", "java.lang.String", "java.lang.Object"}, 2},
    };
    for (const Case& c : cases) {
        const MemberModel model = buildMemberModel(kStringSample, c.search, c.className);
        EXPECT_EQ(model.labels, c.labels) << '"' << c.search << "\" / \"" << c.className << '"';
        EXPECT_EQ(model.initialGroup, c.initial) << '"' << c.search << "\" / \"" << c.className << '"';
    }
}

TEST(MemberModel, SearchIsCaseSensitiveOnTheFullText)
{
    const MemberModel model = buildMemberModel(kStringSample, "Object", "java.lang.String");
    std::size_t entries = 0;
    for (const auto& row : model.entries)
        entries += row.size();
    EXPECT_EQ(entries, 3u);  // equals(Object), compareTo(Object), getClass (declared by Object)
    EXPECT_TRUE(buildMemberModel(kStringSample, "tostring", "java.lang.String").labels.empty());
    EXPECT_TRUE(buildMemberModel(kStringSample, "java.lang.string", "java.lang.String").labels.empty());
}

TEST(MemberModel, OnlyConstructorsAndInheritedMethods)
{
    const std::vector<std::string> texts = {
        "public java.util.Stack()",
        "public synchronized int java.util.Vector.size()",
        "public boolean java.lang.Object.equals(java.lang.Object)",
    };
    const MemberModel model = buildMemberModel(texts, "", "java.util.Stack");
    // No label contains the class name: the constructors keep their package label.
    EXPECT_EQ(model.labels, (std::vector<std::string>{"java.util", "java.lang.Object", "java.util.Vector"}));
    EXPECT_EQ(model.initialGroup, 0);
}

TEST(MemberModel, OverloadsStayAdjacentInTheirGroup)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 5; ++i) {
        texts.push_back("public void p.C.write(int" + std::string(static_cast<std::size_t>(i), ',') + ")");
        texts.push_back("public void p.C.read" + std::to_string(i) + "()");
    }
    const MemberModel model = buildMemberModel(texts, "", "p.C");
    ASSERT_EQ(model.entries.size(), 1u);
    const auto& row = model.entries[0];
    ASSERT_EQ(row.size(), 10u);
    for (std::size_t i = 5; i < 10; ++i)
        EXPECT_EQ(row[i].substr(0, 5), "write") << i;
}

class CapacityTest : public testing::Test {
protected:
    void SetUp() override
    {
        k->fill(0);
        (*methods)[0][0] = "old entry 0/0";
        (*methods)[5][349] = "old entry 5/349";
        (*classes)[99] = "old label 99";
    }
    std::unique_ptr<GroupCounters> k = std::make_unique<GroupCounters>();
    std::unique_ptr<EntryRows> methods = std::make_unique<EntryRows>();
    std::unique_ptr<GroupLabels> classes = std::make_unique<GroupLabels>();
    std::string sbq;
    MemberTables tables{*k, *methods, *classes, sbq};
};

TEST_F(CapacityTest, A351stEntryInOneGroupStopsTheRebuild)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 351; ++i)
        texts.push_back("public void p.Big.m" + std::to_string(1000 + i) + "()");
    const RebuildOutcome outcome = rebuildMemberModel(tables, texts, "", "p.Big");
    EXPECT_EQ(outcome.status, RebuildStatus::TooManyEntries);
    EXPECT_EQ((*k)[0], 350);
    EXPECT_EQ((*methods)[0][349].substr(0, 5), "m1349");
    EXPECT_EQ((*classes)[0], "p.Big");  // stopped before the relabel
    EXPECT_EQ((*methods)[5][349], "old entry 5/349");
    EXPECT_FALSE(capacityMessage(outcome.status).empty());
    EXPECT_EQ(capacityMessage(outcome.status).find('\n'), std::string::npos);

    texts.pop_back();  // 350 fit
    k->fill(0);
    EXPECT_EQ(rebuildMemberModel(tables, texts, "", "p.Big").status, RebuildStatus::Complete);
}

TEST_F(CapacityTest, A101stGroupStopsTheRebuild)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 101; ++i)
        texts.push_back("public void p.C" + std::to_string(i) + ".m" + std::to_string(1000 + i) + "()");
    const RebuildOutcome outcome = rebuildMemberModel(tables, texts, "", "p.C0");
    EXPECT_EQ(outcome.status, RebuildStatus::TooManyGroups);
    EXPECT_EQ(outcome.groups, 100);
    EXPECT_EQ((*classes)[99], "p.C99");
    for (int g = 0; g < 100; ++g)
        EXPECT_EQ((*k)[static_cast<std::size_t>(g)], 1);
    EXPECT_EQ((*k)[100], 0);
    EXPECT_NE(capacityMessage(outcome.status), capacityMessage(RebuildStatus::TooManyEntries));

    texts.pop_back();
    k->fill(0);
    EXPECT_EQ(rebuildMemberModel(tables, texts, "", "p.C0").status, RebuildStatus::Complete);
}

TEST_F(CapacityTest, MoreMembersThanAllTablesHoldStopBeforeSorting)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 100 * 350 + 1; ++i)
        texts.push_back("public void p.C" + std::to_string(i % 100) + ".m" + std::to_string(100000 + i) + "()");
    const RebuildOutcome outcome = rebuildMemberModel(tables, texts, "", "p.C0");
    EXPECT_EQ(outcome.status, RebuildStatus::TooManyMembers);
    EXPECT_EQ((*k)[0], 0);  // nothing was placed
    EXPECT_FALSE(capacityMessage(outcome.status).empty());
    // The search text counts: the members it keeps fit.
    EXPECT_EQ(rebuildMemberModel(tables, texts, "m10000", "p.C0").status, RebuildStatus::Complete);
}

}  // namespace
}  // namespace qv
