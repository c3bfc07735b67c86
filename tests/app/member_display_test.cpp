#include <QFontInfo>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/quorvane.h"
#include "platform/ClassLibrary.h"
#include "support/FakeClassReflection.h"
#include "platform/awt_style.h"
#include "support/temp_dir.h"
#include "window_fixture.h"

namespace qv {
namespace {

using test::comboItems;
using test::listItems;

// A documentation page whose entries say which member and comma count they belong to.
constexpr const char* kWidgetPage =
    "<H2>Constructor Detail</H2>\n"
    "public <B>Widget</B>()\n"
    "<DD>entry Widget/0\n"
    "<HR>\n"
    "<H2>Method Detail</H2>\n"
    "public void <B>size</B>()\n"
    "<DD>entry size/0\n"
    "<HR>\n"
    "public void <B>size</B>(int&nbsp;a, int&nbsp;b, int&nbsp;c)\n"
    "<DD>entry size/2\n"
    "<HR>\n"
    "public void <B>one</B>(int&nbsp;a)\n"
    "<DD>entry one/0\n"
    "<HR>\n"
    "public void <B>many</B>(int a, int b, int c, int d, int e, int f, int g, int h)\n"
    "<DD>entry many/6\n"
    "<HR>\n"
    "public void <B>throwing</B>(int&nbsp;a) throws A, B\n"
    "<DD>entry throwing/1\n"
    "<HR>\n"
    "public int <B>indexOf</B>(String&nbsp;s, int&nbsp;from)\n"
    "<DD>entry indexOf/1\n"
    "<HR>\n"
    "public void <B>eighteenCharacters</B>()\n"
    "<DD>entry eighteenCharacters/0\n"
    "<HR>\n";

std::shared_ptr<FakeClassReflection> fakeLibrary()
{
    auto library = std::make_shared<FakeClassReflection>();
    library->add("p.Widget", {{"public p.Widget()"},
                              {"public void p.Widget.size()", "public void p.Widget.size(int,int,int)",
                               "public void p.Widget.one(int)",
                               "public void p.Widget.many(int,int,int,int,int,int,int,int)",
                               "public void p.Widget.throwing(int) throws p.A,p.B",
                               "public int p.Widget.indexOf(java.lang.String,int)",
                               "public void p.Widget.eighteenCharacters()",
                               "public boolean java.lang.Object.equals(java.lang.Object)"}});
    library->add("p.Empty", {});
    std::vector<std::string> many;
    for (int i = 0; i < 351; ++i)
        many.push_back("public void p.Big.m" + std::to_string(1000 + i) + "()");
    library->add("p.Big", {{}, many});
    return library;
}

class MemberDisplayTest : public testing::Test {
protected:
    void SetUp() override
    {
        docs.write("p.Widget.html", kWidgetPage);
        window.docpath = docs.path().string();
    }

    void lookUp(const std::string& className)
    {
        window.name->setText8(className);
        window.search();
    }

    // The row of the current list whose entry starts with `text` after its blank.
    int rowOf(const std::string& text)
    {
        const auto items = listItems(*window.myList);
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].rfind(" " + text, 0) == 0)
                return static_cast<int>(i);
        ADD_FAILURE() << "no entry " << text;
        return -1;
    }

    test::TempDir docs;
    quorvane window{fakeLibrary()};
};

TEST_F(MemberDisplayTest, RebuildPutsChoiceListAndTextAreaInPlace)
{
    lookUp("p.Widget");
    const auto area = test::displayArea(window);
    EXPECT_EQ(area.north, window.myChoice);
    EXPECT_EQ(area.center, window.myList);
    EXPECT_EQ(area.south, window.ta);

    EXPECT_EQ(comboItems(*window.myChoice), (std::vector<std::string>{"  Constructors", "  p.Widget", "  java.lang.Object"}));
    EXPECT_EQ(window.myChoice->currentIndex(), 1);
    const auto items = listItems(*window.myList);
    ASSERT_EQ(items.size(), 7u);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i], " " + (*window.methods)[1][i]);
    EXPECT_EQ(window.myList->visibleRows(), 7);
    EXPECT_EQ(window.myList->selectionMode(), QAbstractItemView::SingleSelection);

    EXPECT_EQ(window.myChoice->palette().color(QPalette::Button), awt::yellow);
    EXPECT_TRUE(window.myChoice->font().bold());
    EXPECT_EQ(window.myChoice->font().pixelSize(), 14);
    EXPECT_EQ(window.myList->palette().color(QPalette::Base), awt::cyan);
    EXPECT_EQ(window.myList->font().pixelSize(), 12);
    EXPECT_FALSE(window.myList->font().bold());
    const QFontMetrics listMetrics(window.myList->font());
    EXPECT_EQ(listMetrics.horizontalAdvance('i'), listMetrics.horizontalAdvance('W'));  // monospaced
    EXPECT_TRUE(window.ta->isReadOnly());
    EXPECT_EQ(window.ta->palette().color(QPalette::Base), QColor(240, 210, 255));
    EXPECT_EQ(window.ta->palette().color(QPalette::Text), awt::black);
    EXPECT_EQ(window.ta->font().pixelSize(), 14);
    EXPECT_FALSE(window.ta->font().bold());
    EXPECT_EQ(window.ta->toPlainText(), "");
}

TEST_F(MemberDisplayTest, SignaturesLineUpInOneColumn)
{
    lookUp("p.Widget");
    QApplication::processEvents();
    const QFontMetrics metrics(window.myList->font());
    int column = -1;
    for (const std::string& item : listItems(*window.myList)) {
        if (item.find("eighteenCharacters") != std::string::npos)
            continue;  // a name of 18 characters or more pushes its text right
        const int x = metrics.horizontalAdvance(QString::fromStdString(item.substr(0, 21)));
        if (column < 0)
            column = x;
        EXPECT_EQ(x, column) << item;
    }
}

TEST_F(MemberDisplayTest, GroupChangeReplacesTheListAndEmptiesTheText)
{
    lookUp("p.Widget");
    test::pickMember(window, rowOf("size"));
    EXPECT_FALSE(window.ta->toPlainText().isEmpty());
    QPointer<MyList> before = window.myList;
    QPlainTextEdit* textArea = window.ta;

    test::chooseGroup(window, 2);
    EXPECT_EQ(window.myChoice->currentIndex(), 2);
    EXPECT_NE(window.myList, before);
    EXPECT_EQ(listItems(*window.myList), (std::vector<std::string>{" " + (*window.methods)[2][0]}));
    EXPECT_EQ(window.ta, textArea);
    EXPECT_EQ(window.ta->toPlainText(), "");
    const auto area = test::displayArea(window);
    EXPECT_EQ(area.center, window.myList);
    EXPECT_EQ(area.south, window.ta);
}

TEST_F(MemberDisplayTest, ProgramSelectionFiresNothing)
{
    lookUp("p.Widget");
    QPointer<MyList> before = window.myList;
    window.myChoice->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(window.myList, before);
    EXPECT_EQ(listItems(*window.myList).size(), 7u);
}

TEST_F(MemberDisplayTest, MemberPickCutsNameAndCountsCommas)
{
    lookUp("p.Widget");
    struct Pick {
        const char* entryStart;  // how the entry starts
        const char* member;
        const char* text;        // the page entry that must be shown
    };
    const Pick picks[] = {
        {"indexOf ", "indexOf", "entry indexOf/1"},
        {"size                void size()", "size", "entry size/0"},
        {"one ", "one", "entry one/0"},
        {"size                void size(int,int,int)", "size", "entry size/2"},
        {"many ", "many", "entry many/6"},
        {"throwing ", "throwing", "entry throwing/1"},
        {"eighteenCharacters", "eighteenCharacters", "entry eighteenCharacters/0"},
    };
    for (const Pick& pick : picks) {
        test::pickMember(window, rowOf(pick.entryStart));
        EXPECT_EQ(window.ss, pick.member);
        EXPECT_TRUE(window.ta->toPlainText().contains(pick.text)) << pick.entryStart << ":\n"
                                                                   << window.ta->toPlainText().toStdString();
    }
}

TEST_F(MemberDisplayTest, PressingThePickedMemberAgainReadsItsPageAgain)
{
    const std::string root = window.docpath;
    window.docpath = "/no/such/docs";
    lookUp("p.Widget");
    test::pickMember(window, rowOf("indexOf"));
    EXPECT_EQ(window.ta->toPlainText(), "");
    window.docpath = root;
    test::pickMember(window, rowOf("indexOf"));
    EXPECT_TRUE(window.ta->toPlainText().contains("entry indexOf/1"));

    // The keyboard moves the selection and picks as it goes.
    window.myList->setFocus();
    QTest::keyClick(window.myList, Qt::Key_Down);
    EXPECT_EQ(window.ss, "many");
    EXPECT_TRUE(window.ta->toPlainText().contains("entry many/6"));
}

TEST_F(MemberDisplayTest, TheSelectedGroupNamesThePage)
{
    lookUp("p.Widget");
    // The first group: the class-name field names the page.
    test::chooseGroup(window, 0);
    test::pickMember(window, 0);
    EXPECT_EQ(window.ss, "Widget");
    EXPECT_TRUE(window.ta->toPlainText().contains("entry Widget/0"));

    // Another group: its label names the page, here java.lang.Object, which has none.
    docs.write("java.lang.Object.html",
               "Constructor Detail\npublic boolean <B>equals</B>(Object&nbsp;obj)\n<DD>from Object's page\n<HR>\n");
    test::chooseGroup(window, 2);
    test::pickMember(window, 0);
    EXPECT_EQ(window.ss, "equals");
    EXPECT_TRUE(window.ta->toPlainText().contains("from Object's page"));
}

TEST_F(MemberDisplayTest, ClassWithoutMembersShowsEmptyWidgets)
{
    lookUp("p.Empty");
    EXPECT_EQ(window.myChoice->count(), 0);
    EXPECT_EQ(window.myChoice->currentIndex(), -1);
    EXPECT_EQ(window.myList->count(), 0);
    EXPECT_EQ(window.ta->toPlainText(), "");
}

TEST_F(MemberDisplayTest, NewLookUpBringsANewEmptyTextArea)
{
    lookUp("p.Widget");
    test::pickMember(window, rowOf("size"));
    QPointer<QPlainTextEdit> first = window.ta;
    lookUp("p.Widget");
    EXPECT_NE(window.ta, first);
    EXPECT_EQ(window.ta->toPlainText(), "");
}

TEST_F(MemberDisplayTest, ClassTooBigToShowLeavesDisplayAndModelAsTheyWere)
{
    lookUp("p.Widget");
    QPointer<MyChoice> choice = window.myChoice;
    QPointer<MyList> list = window.myList;
    const auto entries = listItems(*window.myList);

    const auto console = test::captureConsole([&] { lookUp("p.Big"); });
    EXPECT_EQ(std::count(console.err.begin(), console.err.end(), '\n'), 1) << console.err;
    EXPECT_NE(console.err.find("too many members"), std::string::npos);
    EXPECT_EQ(window.myChoice, choice);
    EXPECT_EQ(window.myList, list);
    EXPECT_EQ(test::displayArea(window).center, list);

    // The groups on show still list their own members.
    test::chooseGroup(window, 0);
    test::chooseGroup(window, 1);
    EXPECT_EQ(listItems(*window.myList), entries);
    EXPECT_EQ((*window.classes)[1], "p.Widget");
}

TEST(MemberDisplayReal, StringOnTheInstalledJdk)
{
    quorvane window{openDefaultClassLibrary()};
    window.name->setText8("java.lang.String");
    window.search();
    ASSERT_NE(window.myChoice, nullptr);
    EXPECT_EQ(comboItems(*window.myChoice),
              (std::vector<std::string>{"  Constructors", "  java.lang.String", "  java.lang.Object"}));
    EXPECT_EQ(window.myChoice->currentIndex(), 1);
    const auto items = listItems(*window.myList);
    ASSERT_EQ(static_cast<int>(items.size()), (*window.k)[1]);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i], " " + (*window.methods)[1][i]);
    EXPECT_NE(std::find(items.begin(), items.end(),
                        " length              int length()"),
              items.end());
}

// A picture of the window after a look-up and a member pick, under build/screenshots/.
TEST_F(MemberDisplayTest, Screenshot)
{
    lookUp("p.Widget");
    test::pickMember(window, rowOf("indexOf"));
    QApplication::processEvents();
    const auto dir = std::filesystem::path(QV_SCREENSHOT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(window.grab().save(QString::fromStdString((dir / "member-display.png").string())));
}

}  // namespace
}  // namespace qv
