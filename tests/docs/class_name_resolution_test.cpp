#include "docs/class_name_resolution.h"

#include <gtest/gtest.h>

#include <set>

namespace qv {
namespace {

struct Completion {
    const char* typed;
    const char* completed;  // nullptr: the table does not hold it
};

void PrintTo(const Completion& c, std::ostream* os)
{
    *os << '"' << c.typed << '"';
}

class CompleteClassName : public testing::TestWithParam<Completion> {
protected:
    PathsData pages;
};

TEST_P(CompleteClassName, FirstMatchInTableOrder)
{
    const auto got = completeClassName(pages, GetParam().typed);
    if (GetParam().completed)
        EXPECT_EQ(got, std::optional<std::string>(GetParam().completed));
    else
        EXPECT_EQ(got, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CompleteClassName,
    testing::Values(Completion{"String", "java.lang.String"}, Completion{"Map", "java.util.Map"},
                    Completion{"Map.Entry", "java.util.Map.Entry"},
                    Completion{"Point2D.Double", "java.awt.geom.Point2D.Double"},
                    Completion{"List", "java.awt.List"}, Completion{"Date", "java.sql.Date"},
                    Completion{"Object", "java.lang.Object"}, Completion{"Array", "java.lang.reflect.Array"},
                    Completion{"Entry", nullptr},
                    Completion{"TextLine", "java.awt.font.TextLine.TextLineMetrics"},
                    Completion{"java.lang.String", nullptr}, Completion{"string", nullptr},
                    Completion{" String", nullptr}, Completion{"String ", nullptr}, Completion{"", nullptr},
                    Completion{"Graphics", "java.awt.Graphics"}, Completion{"JButton", "javax.swing.JButton"},
                    Completion{"_NamingContextStub", "org.omg.CosNaming._NamingContextStub"}));

TEST(SwingPackageName, RewritesOnlyWhereTheOldPackageIsTheOnlyOne)
{
    std::set<std::string, std::less<>> classes;
    auto presence = [&](std::string_view name) {
        return classes.contains(name) ? ClassPresence::Present : ClassPresence::Absent;
    };

    classes = {"javax.swing.JButton", "com.sun.java.swing.JButton"};
    EXPECT_EQ(swingPackageName("javax.swing.JButton", presence), "javax.swing.JButton");
    classes = {"javax.swing.JButton"};
    EXPECT_EQ(swingPackageName("javax.swing.JButton", presence), "javax.swing.JButton");
    classes = {};
    EXPECT_EQ(swingPackageName("javax.swing.JButton", presence), "javax.swing.JButton");
    classes = {"com.sun.java.swing.JButton"};  // a class library of the 1.1 generation
    EXPECT_EQ(swingPackageName("javax.swing.JButton", presence), "com.sun.java.swing.JButton");
    EXPECT_EQ(swingPackageName("java.lang.String", presence), "java.lang.String");
}

TEST(SwingPackageName, KeepsTheNameWhenTheLibraryCannotTell)
{
    auto broken = [](std::string_view name) {
        return name.starts_with("javax") ? ClassPresence::Unknown : ClassPresence::Present;
    };
    EXPECT_EQ(swingPackageName("javax.swing.JButton", broken), "javax.swing.JButton");
}

}  // namespace
}  // namespace qv
