// quorvane-cli members, run as a whole process on the installed JDK and on small class
// libraries the tests make.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "support/members_output.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using test::PrintedGroup;
using test::PrintedModel;
using test::ProcessResult;
using test::TempDir;

using Labels = std::vector<std::string>;

ProcessResult members(std::vector<std::string> args)
{
    args.insert(args.begin(), "members");
    return test::runProcess(QV_CLI_PATH, args);
}

// The constructors plus the methods of a JDK class, as the JDK's own reflection counts them.
std::size_t reflectedMemberCount(const std::string& className)
{
    const ProcessResult run = test::runProcess(
        QV_JAVA, {"-cp", QV_MODEL_REFERENCE_CLASSES, "ReflectionDump", "names", className});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    const std::size_t header = run.out.find("# " + className + "\n");
    EXPECT_NE(header, std::string::npos) << run.out;
    const std::string lines = run.out.substr(header + className.size() + 3);
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
}

std::string padded(const std::string& name)
{
    return name + std::string(name.size() < 18 ? 18 - name.size() : 0, ' ');
}

bool holds(const PrintedGroup* group, const std::string& entry)
{
    return group && std::find(group->entries.begin(), group->entries.end(), entry) != group->entries.end();
}

TEST(CliMembers, StringWithAnEmptySearchText)
{
    const ProcessResult run = members({"java.lang.String"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const PrintedModel model = test::parseMemberModel(run.out);
    EXPECT_EQ(model.labels(), (Labels{"Constructors", "java.lang.String", "java.lang.Object"}));
    EXPECT_EQ(model.initialGroup, 1);
    EXPECT_EQ(model.marks, 1);
    EXPECT_TRUE(model.otherLines.empty());
    EXPECT_EQ(model.entryCount(), reflectedMemberCount("java.lang.String"));

    EXPECT_TRUE(holds(model.group("Constructors"), padded("String") + "  String()"));
    EXPECT_TRUE(holds(model.group("java.lang.String"), padded("length") + "  int length()"));
    EXPECT_TRUE(holds(model.group("java.lang.Object"), padded("getClass") + "  final native Class getClass()"));
    // A name of 18 characters or more is not padded.
    EXPECT_TRUE(holds(model.group("java.lang.String"), "compareToIgnoreCase  int compareToIgnoreCase(String)"));
    const PrintedGroup* string = model.group("java.lang.String");
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(string->entries.front(), padded("charAt") + "  char charAt(int)");
    EXPECT_TRUE(std::is_sorted(string->entries.begin(), string->entries.end(),
                               [](const std::string& a, const std::string& b) {
                                   return a.substr(0, a.find(' ')) < b.substr(0, b.find(' '));
                               }));
}

TEST(CliMembers, SearchTextAndClassNameText)
{
    const PrintedModel whole = test::parseMemberModel(members({"java.lang.String"}).out);
    struct Case {
        const char* name;
        std::string field;
        std::string search;
        Labels labels;
        int initial;
    };
    const Case cases[] = {
        // No label holds the name with its blank: nothing relabelled, the first group shown.
        {"leading blank", " java.lang.String", "", {"java.lang", "java.lang.String", "java.lang.Object"}, 0},
        {"trailing blank", "java.lang.String ", "", {"java.lang", "java.lang.String", "java.lang.Object"}, 0},
        {"parenthesis keeps all", "java.lang.String", "(", whole.labels(), 1},
        {"matches nothing", "java.lang.String", "no member has this", {}, -1},
        {"case counts", "java.lang.String", "tostring", {}, -1},
        // Matched against the full text: Object's own methods, and every Object parameter.
        {"full text", "java.lang.String", "Object", {"java.lang.String", "java.lang.Object"}, 0},
        {"interface without methods", "java.io.Serializable", "", {}, -1},
        // Only constructors and inherited methods: no label holds the name, so the
        // constructors keep their package label and the first group is shown.
        {"only inherited methods", "java.lang.Exception", "", {"java.lang", "java.lang.Throwable", "java.lang.Object"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult run = members({"--search", c.search, c.field});
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        const PrintedModel model = test::parseMemberModel(run.out);
        EXPECT_EQ(model.labels(), c.labels);
        EXPECT_EQ(model.initialGroup, c.initial);
        EXPECT_TRUE(model.otherLines.empty());
    }

    EXPECT_EQ(members({"--search", "(", "java.lang.String"}).out, members({"java.lang.String"}).out);
    EXPECT_EQ(test::parseMemberModel(members({"java.lang.Exception"}).out).entryCount(),
              reflectedMemberCount("java.lang.Exception"));
    const PrintedModel blank = test::parseMemberModel(members({" java.lang.String"}).out);
    EXPECT_EQ(blank.groups.front().entries, whole.groups.front().entries);

    // "Object" keeps exactly the entries of Object's group and those that show the word.
    const PrintedModel object = test::parseMemberModel(members({"--search", "Object", "java.lang.String"}).out);
    for (const PrintedGroup& group : whole.groups) {
        std::vector<std::string> kept;
        for (const std::string& entry : group.entries)
            if (group.label == "java.lang.Object" || entry.find("Object") != std::string::npos)
                kept.push_back(entry);
        // Fewer texts go into the sort, so overloads may come in another order.
        const PrintedGroup* filtered = object.group(group.label);
        std::vector<std::string> found = filtered ? filtered->entries : std::vector<std::string>{};
        std::sort(kept.begin(), kept.end());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, kept) << group.label;
    }
}

// A javac-compiled library: p.Big with 351 public methods, p.Fits with 350, and a chain of
// classes p.L000 extends p.L001 ... extends p.L098, each declaring one method, so that
// p.L000 has 101 groups (its constructors, 99 classes, java.lang.Object) and p.L001 has 100.
class CliMembersCapacity : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library_ = new TempDir;
        std::vector<std::string> args = {"-d", (*library_ / "classes").string()};
        auto source = [&](const std::string& name, const std::string& text) {
            args.push_back(library_->write("src/p/" + name + ".java", "package p;\n" + text).string());
        };
        auto methods = [](int count) {
            std::string text;
            for (int i = 0; i < count; ++i)
                text += "  public void m" + std::to_string(1000 + i) + "() {}\n";
            return text;
        };
        source("Big", "public class Big {\n" + methods(351) + "}\n");
        source("Fits", "public class Fits {\n" + methods(350) + "}\n");
        for (int i = 0; i < 99; ++i) {
            char name[8];
            std::snprintf(name, sizeof name, "L%03d", i);
            char super[8];
            std::snprintf(super, sizeof super, "L%03d", i + 1);
            source(name, std::string("public class ") + name + (i < 98 ? std::string(" extends ") + super : "") +
                             " {\n  public void m" + name + "() {}\n}\n");
        }
        const ProcessResult javac = test::runProcess(QV_JAVAC, args);
        ASSERT_EQ(javac.exitStatus, 0) << javac.err;
    }
    static void TearDownTestSuite()
    {
        delete library_;
        library_ = nullptr;
    }
    static std::string classPath() { return (*library_ / "classes").string(); }

    static TempDir* library_;
};
TempDir* CliMembersCapacity::library_ = nullptr;

TEST_F(CliMembersCapacity, BeyondTheTablesNoModelOneLineAndStatus3)
{
    struct Case {
        std::vector<std::string> names;
        int status;
        std::size_t capacityLines;
    };
    const Case cases[] = {
        {{"p.Big"}, 3, 1},
        {{"p.L000"}, 3, 1},
        {{"p.Fits"}, 0, 0},
        {{"p.L001"}, 0, 0},
        {{"p.Big", "p.Fits", "p.L000"}, 3, 2},
        {{"p.Missing", "p.Big"}, 3, 1},  // the graver outcome decides
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.front() + " ... " + c.names.back());
        std::vector<std::string> args = {"--class-path", classPath()};
        args.insert(args.end(), c.names.begin(), c.names.end());
        const ProcessResult run = members(args);
        EXPECT_EQ(run.exitStatus, c.status);
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.err.begin(), run.err.end(), '\n')), c.capacityLines)
            << run.err;
        if (c.names.size() == 1 && c.status == 3) {
            EXPECT_EQ(run.out, "");
        }
        for (const auto& [name, model] : test::parseMemberBlocks(run.out)) {
            if (name == "p.Big" || name == "p.L000") {
                EXPECT_TRUE(model.groups.empty() && model.otherLines.empty()) << name << ": " << run.out;
            }
        }
    }

    const PrintedModel fits = test::parseMemberModel(members({"--class-path", classPath(), "p.Fits"}).out);
    EXPECT_EQ(fits.labels(), (Labels{"Constructors", "java.lang.Object", "p.Fits"}));
    EXPECT_EQ(fits.initialGroup, 2);
    ASSERT_NE(fits.group("p.Fits"), nullptr);
    EXPECT_EQ(fits.group("p.Fits")->entries.size(), 350u);
    const PrintedModel chain = test::parseMemberModel(members({"--class-path", classPath(), "p.L001"}).out);
    EXPECT_EQ(chain.groups.size(), 100u);
    EXPECT_EQ(chain.labels().front(), "Constructors");
    EXPECT_EQ(chain.labels()[static_cast<std::size_t>(chain.initialGroup)], "p.L001");
}

TEST(CliMembers, NotFoundBrokenLibraryAndHeaders)
{
    const ProcessResult missing = members({"java.lang.Strng"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.out, "Class not found : java.lang.Strng\n");
    EXPECT_EQ(missing.err, "");
    // The look-up trims the name; the line shows it trimmed.
    EXPECT_EQ(members({"  java.lang.Strng "}).out, "Class not found : java.lang.Strng\n");
    // Without completion a simple name is no class name.
    EXPECT_EQ(members({"String"}).out, "Class not found : String\n");

    const ProcessResult several = members({"java.io.Serializable", "java.lang.Strng", "java.lang.Exception"});
    EXPECT_EQ(several.exitStatus, 1);
    const auto blocks = test::parseMemberBlocks(several.out);
    ASSERT_EQ(blocks.size(), 3u) << several.out;
    EXPECT_EQ(blocks[0].first, "java.io.Serializable");
    EXPECT_TRUE(blocks[0].second.groups.empty() && blocks[0].second.otherLines.empty());
    EXPECT_EQ(blocks[1].first, "java.lang.Strng");
    EXPECT_EQ(blocks[1].second.otherLines, (std::vector<std::string>{"Class not found : java.lang.Strng"}));
    EXPECT_EQ(blocks[2].first, "java.lang.Exception");
    EXPECT_EQ(blocks[2].second.labels(), (Labels{"java.lang", "java.lang.Throwable", "java.lang.Object"}));
    EXPECT_TRUE(several.out.starts_with("# java.io.Serializable\n# java.lang.Strng\n"));

    // Broken class-path entries: an archive that is no zip, and a class file that is no class.
    // The JDK comes first on the class path, so its classes are still found.
    TempDir dir;
    const std::string jar = dir.write("broken.jar", "this is not a zip archive").string();
    dir.write("classes/p/Broken.class", std::string("\xCA\xFE\xBA\xBE\0\0\0\x3D\0", 9));
    for (const auto& [classPath, name, file] :
         {std::tuple{jar, "p.Anything", "broken.jar"}, std::tuple{(dir / "classes").string(), "p.Broken", "Broken.class"}}) {
        SCOPED_TRACE(name);
        const ProcessResult run = members({"--class-path", classPath, name, "java.lang.Exception"});
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
        const auto blocks = test::parseMemberBlocks(run.out);
        ASSERT_EQ(blocks.size(), 2u) << run.out;
        EXPECT_TRUE(blocks[0].second.groups.empty() && blocks[0].second.otherLines.empty()) << run.out;
        EXPECT_EQ(blocks[1].second.labels(), (Labels{"java.lang", "java.lang.Throwable", "java.lang.Object"}));
    }
}

TEST(CliMembers, CompletionAsTheSearchCommandDoes)
{
    const ProcessResult string = members({"--complete", "String"});
    EXPECT_EQ(string.exitStatus, 0);
    EXPECT_EQ(string.out, members({"java.lang.String"}).out);

    // Swing keeps its javax package on every class library since 1.2.
    const ProcessResult button = members({"--complete", "JButton"});
    EXPECT_EQ(button.exitStatus, 0) << button.err;
    const PrintedModel model = test::parseMemberModel(button.out);
    ASSERT_FALSE(model.groups.empty());
    EXPECT_EQ(model.labels().front(), "Constructors");
    EXPECT_EQ(model.labels()[static_cast<std::size_t>(model.initialGroup)], "javax.swing.JButton");

    const ProcessResult entry = members({"--complete", "Entry"});
    EXPECT_EQ(entry.exitStatus, 1);
    EXPECT_EQ(entry.out, "Class not found : Entry\n");
}

}  // namespace
}  // namespace qv
