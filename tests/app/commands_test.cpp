#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "app/quorvane.h"
#include "config/config_file.h"
#include "platform/ClassLibrary.h"
#include "support/FakeClassReflection.h"
#include "support/temp_dir.h"
#include "window_fixture.h"

namespace qv {
namespace {

using test::captureConsole;
using test::clickButton;
using test::comboItems;

std::shared_ptr<FakeClassReflection> fakeLibrary()
{
    auto library = std::make_shared<FakeClassReflection>();
    library->add("java.lang.String", {{"public java.lang.String()"},
                                      {"public int java.lang.String.length()",
                                       "public boolean java.lang.Object.equals(java.lang.Object)"}});
    library->add("javax.swing.JButton", {{"public javax.swing.JButton()"}, {"public void javax.swing.JButton.updateUI()"}});
    return library;
}

class CommandsTest : public testing::Test {
protected:
    std::string field() const { return window.name->text8(); }
    quorvane window{fakeLibrary()};
};

TEST_F(CommandsTest, SearchCompletesTheNameThenLooksItUp)
{
    window.name->setText8("String");
    const auto console = captureConsole([&] { clickButton(window, " SEARCH "); });
    EXPECT_EQ(field(), "java.lang.String");
    EXPECT_EQ(console.out, "");
    // equals (of Object) sorts before length (of String).
    EXPECT_EQ(comboItems(*window.myChoice), (std::vector<std::string>{"  Constructors", "  java.lang.Object", "  java.lang.String"}));
    EXPECT_EQ(window.myChoice->currentIndex(), 2);
    EXPECT_EQ(window.startAt, "java.lang.String");
}

TEST_F(CommandsTest, SearchKeepsTheJavaxNameWhereTheLibraryHasIt)
{
    window.name->setText8("JButton");
    clickButton(window, " SEARCH ");
    EXPECT_EQ(field(), "javax.swing.JButton");
    ASSERT_NE(window.myChoice, nullptr);
    EXPECT_EQ(comboItems(*window.myChoice), (std::vector<std::string>{"  Constructors", "  javax.swing.JButton"}));
}

TEST_F(CommandsTest, SearchOnNamesTheTableDoesNotHold)
{
    struct Case {
        const char* typed;
        const char* out;  // the console line
    };
    const Case cases[] = {
        {"Strng", "Class not found : Strng\n"},
        {"  Strng  ", "Class not found : Strng\n"},        // the look-up trims
        {" String", "Class not found : String\n"},         // not completed: the table has no " String"
        {"java.lang.String", ""},                          // qualified names are looked up as typed
        {"", ""},                                          // nothing happens
        {"   ", ""},
    };
    for (const Case& c : cases) {
        window.name->setText8(c.typed);
        const auto console = captureConsole([&] { clickButton(window, " SEARCH "); });
        EXPECT_EQ(field(), c.typed);
        EXPECT_EQ(console.out, c.out) << '"' << c.typed << '"';
        EXPECT_EQ(console.err, "");
    }
}

TEST_F(CommandsTest, NotFoundEmptiesTheDisplayButKeepsTheModel)
{
    window.name->setText8("java.lang.String");
    clickButton(window, " SEARCH ");
    ASSERT_EQ(window.midLayout().count(), 3);
    const std::string firstEntry = (*window.methods)[1][0];

    window.name->setText8("java.lang.Strng");
    captureConsole([&] { clickButton(window, " SEARCH "); });
    EXPECT_EQ(window.midLayout().count(), 0);
    EXPECT_EQ((*window.methods)[1][0], firstEntry);
    EXPECT_EQ((*window.k)[1], 1);

    window.name->setText8("java.lang.String");
    clickButton(window, " SEARCH ");
    EXPECT_EQ(window.midLayout().count(), 3);
}

TEST_F(CommandsTest, EmptyNameEmptiesTheTextsOnly)
{
    window.name->setText8("java.lang.String");
    clickButton(window, " SEARCH ");
    window.name->setText8(" ");
    const auto console = captureConsole([&] { clickButton(window, " SEARCH "); });
    EXPECT_TRUE(window.n.empty());
    EXPECT_EQ(window.midLayout().count(), 3);
    EXPECT_EQ(console.out + console.err, "");
}

TEST_F(CommandsTest, DocPathTakesTheFieldAsTypedAndSavesOnlyAtClose)
{
    test::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());

    window.name->setText8("  /docs/api ");
    clickButton(window, "Doc Path");
    EXPECT_EQ(window.docpath, "  /docs/api ");
    EXPECT_EQ(field(), "");
    EXPECT_TRUE(window.name->hasFocus() || !window.isActiveWindow());
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvane.cfg"));

    clickButton(window, "Doc Path");  // an empty field gives an empty root
    EXPECT_EQ(window.docpath, "");
    window.name->setText8("/final");
    clickButton(window, "Doc Path");
    window.close();
    EXPECT_EQ(test::readBytes(dir / "Quorvane.cfg"), "/final");
    std::filesystem::current_path(previous);
}

TEST_F(CommandsTest, ClearEmptiesTheFieldsOnly)
{
    window.docpath = "/docs";
    window.name->setText8("java.lang.String");
    clickButton(window, " SEARCH ");
    window.ta->setPlainText("documentation");
    window.searchFor->setText8("len");
    QListWidget* list = window.myList;

    clickButton(window, "Clear");
    EXPECT_EQ(field(), "");
    EXPECT_EQ(window.searchFor->text8(), "");
    EXPECT_EQ(window.myList, list);
    EXPECT_EQ(window.myList->count(), 1);
    EXPECT_EQ(window.ta->toPlainText(), "documentation");
    EXPECT_EQ(window.docpath, "/docs");
}

TEST_F(CommandsTest, OnlyTheCommandStringsDispatch)
{
    for (const char* command : {" SEARCH ", "Search", "doc path", "", "clear"}) {
        window.name->setText8("String");
        window.actionPerformed(command);
        EXPECT_EQ(field(), "String") << command;
        EXPECT_EQ(window.docpath, "");
    }
    window.actionPerformed(" Search ");
    EXPECT_EQ(field(), "java.lang.String");
}

TEST_F(CommandsTest, EnterNeverRunsACommand)
{
    for (const char* text : {" Search ", "Doc Path", "Clear", "String"}) {
        for (TextField* field : {window.name, window.searchFor}) {
            field->setText8(text);
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(field->text8(), text);
            EXPECT_EQ(window.docpath, "");
            EXPECT_EQ(window.midLayout().count(), 0);
            field->setText8("");
        }
    }
}

TEST_F(CommandsTest, AutoStart)
{
    window.searchFor->setText8("len");
    const auto unknown = captureConsole([&] { window.autoStart("NoSuchClass"); });
    EXPECT_EQ(field(), "");
    EXPECT_EQ(window.searchFor->text8(), "");
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(window.midLayout().count(), 0);

    window.autoStart("JButton");  // no rewrite here
    EXPECT_EQ(field(), "javax.swing.JButton");
    ASSERT_NE(window.myChoice, nullptr);
    EXPECT_EQ(comboItems(*window.myChoice), (std::vector<std::string>{"  Constructors", "  javax.swing.JButton"}));
}

TEST_F(CommandsTest, GetSelectionIsAlwaysEmpty)
{
    window.name->setText8("java.lang.String");
    clickButton(window, " SEARCH ");
    test::pickMember(window, 0);
    EXPECT_EQ(window.getSelection(), "");
}

TEST_F(CommandsTest, HideAndShowKeepEverything)
{
    window.name->setText8("java.lang.String");
    window.searchFor->setText8("l");
    clickButton(window, " SEARCH ");
    window.ta->setPlainText("text");
    QListWidget* list = window.myList;
    window.hideIt();
    EXPECT_FALSE(window.isVisible());
    window.showIt();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(field(), "java.lang.String");
    EXPECT_EQ(window.searchFor->text8(), "l");
    EXPECT_EQ(window.myList, list);
    EXPECT_EQ(window.ta->toPlainText(), "text");
    EXPECT_EQ(window.midLayout().count(), 3);
}

TEST_F(CommandsTest, BrokenLibraryAbandonsTheLookUpWithOneLine)
{
    auto library = fakeLibrary();
    library->addBroken("p.Broken", "p/Broken.class: truncated constant pool");
    quorvane broken{library};
    broken.name->setText8("java.lang.String");
    clickButton(broken, " SEARCH ");
    broken.name->setText8("p.Broken");
    const auto console = captureConsole([&] { clickButton(broken, " SEARCH "); });
    EXPECT_EQ(console.out, "");
    EXPECT_EQ(std::count(console.err.begin(), console.err.end(), '\n'), 1) << console.err;
    EXPECT_NE(console.err.find("p/Broken.class: truncated constant pool"), std::string::npos);
    EXPECT_EQ(broken.midLayout().count(), 3);  // the previous display stays
}

TEST(CommandsReal, JavaxNameKeptOnThisJdk)
{
    quorvane window{openDefaultClassLibrary()};
    window.name->setText8("JButton");
    const auto console = captureConsole([&] { clickButton(window, " SEARCH "); });
    EXPECT_EQ(window.name->text8(), "javax.swing.JButton");
    EXPECT_EQ(console.out, "");
    ASSERT_NE(window.myChoice, nullptr);
    EXPECT_GT(window.myChoice->count(), 5);
    EXPECT_EQ(window.myChoice->currentText(), "  javax.swing.JButton");

    window.autoStart("JTable");
    EXPECT_EQ(window.name->text8(), "javax.swing.JTable");
    EXPECT_EQ(window.myChoice->currentText(), "  javax.swing.JTable");
}

}  // namespace
}  // namespace qv
