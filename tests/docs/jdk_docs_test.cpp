// The real JDK 17 API documentation (Debian's openjdk-17-doc). Only the shape of the
// text is checked, so that an update of the documentation does not break these tests.

#include <gtest/gtest.h>

#include <filesystem>

#include "docs/member_doc.h"
#include "docs/page_choice.h"

namespace qv {
namespace {

const std::string kApi = QV_JDK_API_DOCS;

class JdkDocs : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(kApi + "/element-list"))
            << "the JDK 17 API docs are missing at " << kApi << " (tools/setup.sh installs openjdk-17-doc)";
    }
};

struct MemberCase {
    std::string className;
    std::string member;
    int count;

    friend void PrintTo(const MemberCase& c, std::ostream* os) { *os << c.className << " " << c.member << " " << c.count; }
};

class JdkMembers : public JdkDocs, public testing::WithParamInterface<MemberCase> {};

TEST_P(JdkMembers, IndentedSignatureThenParametersAndReturns)
{
    const MemberCase& c = GetParam();
    const std::string text = extractMemberDoc(kApi, c.className, c.member, c.count);
    const std::size_t firstBreak = text.find('\n');
    ASSERT_NE(firstBreak, std::string::npos) << text;
    const std::string signature = text.substr(0, firstBreak);
    EXPECT_TRUE(signature.starts_with("   ")) << signature;
    EXPECT_NE(signature.find(c.member + "("), std::string::npos) << signature;
    EXPECT_EQ(signature.find('<'), std::string::npos) << signature;
    EXPECT_EQ(signature.find("&nbsp;"), std::string::npos) << signature;
    EXPECT_EQ(text.substr(firstBreak, 2), "\n\n") << "the signature is followed by an empty line";
    const std::size_t parameters = text.find("\n\n   PARAMETERS:\n");
    const std::size_t returns = text.find("\n\n   RETURNS:\n");
    EXPECT_NE(parameters, std::string::npos) << text;
    EXPECT_NE(returns, std::string::npos) << text;
    EXPECT_LT(parameters, returns) << text;
    EXPECT_TRUE(text.ends_with("\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Members, JdkMembers,
    testing::Values(MemberCase{"java.lang.String", "charAt", 0}, MemberCase{"java.lang.String", "indexOf", 1},
                    MemberCase{"java.lang.String", "substring", 1}, MemberCase{"java.lang.String", "startsWith", 1},
                    MemberCase{"java.util.Map", "get", 0}, MemberCase{"java.util.Map", "put", 1},
                    MemberCase{"java.util.Map", "getOrDefault", 1}, MemberCase{"javax.swing.JTable", "getValueAt", 1},
                    MemberCase{"javax.swing.JTable", "convertRowIndexToModel", 0},
                    MemberCase{"java.util.AbstractMap$SimpleEntry", "setValue", 0}),
    [](const auto& info) {
        std::string name = info.param.className + "_" + info.param.member;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(JdkDocs, PagesFoundThroughModuleDirectories)
{
    EXPECT_EQ(choosePagePath(kApi, "java.lang.String"), kApi + "/java.base/java/lang/String.html");
    EXPECT_EQ(choosePagePath(kApi, "java.util.Map"), kApi + "/java.base/java/util/Map.html");
    EXPECT_EQ(choosePagePath(kApi, "javax.swing.JTable"), kApi + "/java.desktop/javax/swing/JTable.html");
}

TEST_F(JdkDocs, NestedClassFoundThroughItsOuterInnerPage)
{
    EXPECT_EQ(choosePagePath(kApi, "java.util.Map$Entry"), kApi + "/java.base/java/util/Map.Entry.html");
    EXPECT_EQ(choosePagePath(kApi, "java.util.Map.Entry"), kApi + "/java.base/java/util/Map.Entry.html");
}

TEST_F(JdkDocs, ConstructorAndTheFirstOverloadOfACount)
{
    const std::string constructor = extractMemberDoc(kApi, "javax.swing.JTable", "JTable", 1);
    EXPECT_TRUE(constructor.starts_with("   public JTable(")) << constructor;
    // indexOf(int, int) comes before indexOf(String, int) on the page; both count 1.
    EXPECT_TRUE(extractMemberDoc(kApi, "java.lang.String", "indexOf", 1).starts_with("   public int indexOf(int ch, int fromIndex)\n\n"));
}

TEST_F(JdkDocs, AbsentMemberGivesNothing)
{
    EXPECT_EQ(extractMemberDoc(kApi, "javax.swing.JTable", "noSuchMember", 0), "");
    EXPECT_EQ(extractMemberDoc(kApi, "java.lang.NoSuchClass", "length", 0), "");
}

}  // namespace
}  // namespace qv
