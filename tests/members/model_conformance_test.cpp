// Every exported class of the installed JDK: the member model that `quorvane-cli members`
// prints from the class-file reader must be the model that ModelReference.java builds from
// the JDK's own reflection by the same rules. Same labels in the same order, the same
// entries in every group (as multisets: members with equal sort keys come in the order the
// library lists them, which differs between the JVM and a class-file reader), the same
// initial group, and the entries of each group in non-decreasing key order.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>

#include "support/members_output.h"
#include "support/run_process.h"

namespace qv {
namespace {

using test::PrintedGroup;
using test::PrintedModel;

// Classes whose members the JVM rewrites when it loads them, so that its reflection shows
// other modifiers than their class files: the JDK Flight Recorder's jdk.jfr.Event, whose
// final methods lose their final so that the JVM can instrument them. The class file is
// what counts. (The modules the JVM leaves out by default are added with ALL-SYSTEM and
// compared like every other.)
const std::set<std::string> kRewrittenAtLoad = {
    "jdk.jfr.Event",
};

constexpr std::size_t kNamesPerProcess = 500;

struct ReferenceRun {
    std::string javaHome;
    std::vector<std::pair<std::string, PrintedModel>> blocks;  // in class-name order
};

ReferenceRun runReference(const std::string& searchText)
{
    // ALL-SYSTEM: the JVM resolves the modules it leaves out by default, so that their
    // classes are listed and compared as well.
    const test::ProcessResult run =
        test::runProcess(QV_JAVA, {"--add-modules", "ALL-SYSTEM", "-cp", QV_MODEL_REFERENCE_CLASSES, "ModelReference",
                                   "--home", "--keys", "--search", searchText, "--jdk"});
    if (run.exitStatus != 0)
        throw std::runtime_error("ModelReference failed: " + run.err);
    ReferenceRun reference;
    reference.blocks = test::parseMemberBlocks(run.out, true);
    if (!reference.blocks.empty() && reference.blocks.front().first.empty()) {
        const auto& lines = reference.blocks.front().second.otherLines;
        if (!lines.empty() && lines.front().starts_with("@home "))
            reference.javaHome = lines.front().substr(6);
        reference.blocks.erase(reference.blocks.begin());
    }
    return reference;
}

struct CliRun {
    std::map<std::string, PrintedModel> models;
    std::size_t capacityLines = 0;
};

// quorvane-cli members over all the names, many per process, on the default library.
CliRun runCli(const std::vector<std::string>& names, const std::string& searchText)
{
    CliRun cli;
    for (std::size_t start = 0; start < names.size(); start += kNamesPerProcess) {
        std::vector<std::string> args = {"members", "--search", searchText, "--"};
        const auto end = names.begin() + static_cast<std::ptrdiff_t>(std::min(names.size(), start + kNamesPerProcess));
        args.insert(args.end(), names.begin() + static_cast<std::ptrdiff_t>(start), end);
        if (args.size() == 5)
            args.push_back(args.back());  // one name alone would get no "# NAME" header
        const test::ProcessResult run = test::runProcess(QV_CLI_PATH, args);
        if (run.exitStatus != 0 && run.exitStatus != 3)
            throw std::runtime_error("quorvane-cli members exited with " + std::to_string(run.exitStatus) + ": " +
                                     run.err.substr(0, 500));
        for (auto& [name, model] : test::parseMemberBlocks(run.out))
            cli.models[name] = std::move(model);
        cli.capacityLines += static_cast<std::size_t>(std::count(run.err.begin(), run.err.end(), '\n'));
    }
    return cli;
}

struct Comparison {
    std::string difference;        // empty when the models agree
    bool groupsTiedOnKey = false;  // group order differs only among groups whose first keys are equal
};

Comparison compareModels(const PrintedModel& expected, const PrintedModel& actual, std::string_view field)
{
    Comparison result;
    auto differ = [&](std::string what) {
        result.difference = std::move(what);
        return result;
    };
    if (!actual.otherLines.empty())
        return differ("unexpected line \"" + actual.otherLines.front() + "\"");
    if (actual.groups.size() != expected.groups.size())
        return differ(std::to_string(actual.groups.size()) + " groups instead of " +
                      std::to_string(expected.groups.size()));

    std::vector<std::string> firstKeys;
    for (const PrintedGroup& group : actual.groups) {
        const PrintedGroup* reference = expected.group(group.label);
        if (!reference)
            return differ("group \"" + group.label + "\" should not be there");
        auto mine = group.entries, theirs = reference->entries;
        std::sort(mine.begin(), mine.end());
        std::sort(theirs.begin(), theirs.end());
        if (mine != theirs) {
            const auto [a, b] = std::mismatch(mine.begin(), mine.end(), theirs.begin(), theirs.end());
            return differ("group \"" + group.label + "\": entry \"" + (a == mine.end() ? "(none)" : *a) +
                          "\" where the reference has \"" + (b == theirs.end() ? "(none)" : *b) + "\"");
        }
        // The keys of the entries come from the reference, which knows the signature texts.
        std::map<std::string, std::string> keyOf;
        for (std::size_t e = 0; e < reference->entries.size(); ++e)
            keyOf[reference->entries[e]] = reference->keys.at(e);
        for (std::size_t e = 1; e < group.entries.size(); ++e)
            if (keyOf[group.entries[e]] < keyOf[group.entries[e - 1]])
                return differ("group \"" + group.label + "\": \"" + group.entries[e] + "\" comes after \"" +
                              group.entries[e - 1] + "\"");
        firstKeys.push_back(group.entries.empty() ? std::string() : keyOf[group.entries.front()]);
    }
    if (actual.labels() != expected.labels()) {
        // Groups are numbered by their first members; when two groups begin with members of
        // equal keys, the library's listing order decides which comes first.
        if (!std::is_sorted(firstKeys.begin(), firstKeys.end()))
            return differ("groups out of order");
        result.groupsTiedOnKey = true;
    }

    if (actual.marks != (expected.groups.empty() ? 0 : 1))
        return differ(std::to_string(actual.marks) + " groups marked initial");
    if (expected.groups.empty())
        return result;
    // The initial group is the last whose label holds the class-name text, else the first
    // group, which may be another one when groups are tied.
    const std::string& mine = actual.groups[static_cast<std::size_t>(actual.initialGroup)].label;
    const std::string& theirs = expected.groups[static_cast<std::size_t>(expected.initialGroup)].label;
    const bool chosenByName = theirs.find(field) != std::string::npos;
    if (chosenByName ? mine != theirs : actual.initialGroup != 0)
        return differ("initial group \"" + mine + "\" instead of \"" + (chosenByName ? theirs : "the first") + "\"");
    return result;
}

void compareWholeJdk(const std::string& searchText)
{
    const ReferenceRun reference = runReference(searchText);
    ASSERT_FALSE(reference.javaHome.empty());
    ASSERT_GT(reference.blocks.size(), 1000u);
    // The CLI reads the JDK that ran the reference: the default library follows JAVA_HOME.
    ::setenv("JAVA_HOME", reference.javaHome.c_str(), 1);

    std::vector<std::string> names;
    for (const auto& [name, model] : reference.blocks)
        names.push_back(name);
    const CliRun cli = runCli(names, searchText);

    std::size_t classes = 0, entries = 0, mismatches = 0, capacity = 0;
    std::set<std::string> differing;
    std::vector<std::string> tiedGroupOrder;
    for (const auto& [name, expected] : reference.blocks) {
        const auto found = cli.models.find(name);
        if (found == cli.models.end()) {
            ADD_FAILURE() << name << ": no block in the output of quorvane-cli";
            continue;
        }
        const PrintedModel& actual = found->second;
        if (!expected.otherLines.empty()) {
            // The reference found more members than the tables hold: the CLI prints no model
            // and writes the capacity line instead (counted below).
            const std::string& line = expected.otherLines.front();
            if (line.find("too many members") == std::string::npos) {
                ADD_FAILURE() << "the JVM could not look up " << name << ": " << line;
                continue;
            }
            EXPECT_TRUE(actual.groups.empty() && actual.otherLines.empty()) << name << ": model beyond capacity";
            ++capacity;
            continue;
        }
        ++classes;
        entries += expected.entryCount();
        const Comparison comparison = compareModels(expected, actual, name);
        if (comparison.groupsTiedOnKey)
            tiedGroupOrder.push_back(name);
        if (comparison.difference.empty())
            continue;
        differing.insert(name);
        if (kRewrittenAtLoad.contains(name))
            continue;
        if (++mismatches <= 20)
            ADD_FAILURE() << name << ": " << comparison.difference;
    }
    EXPECT_EQ(cli.capacityLines, capacity) << "one line on standard error per class beyond capacity";

    std::cout << "search text \"" << searchText << "\": compared " << classes << " classes and " << entries
              << " entries of " << reference.javaHome << "; " << capacity << " beyond capacity; "
              << tiedGroupOrder.size() << " with groups ordered differently among equal first keys";
    for (std::size_t i = 0; i < std::min<std::size_t>(tiedGroupOrder.size(), 5); ++i)
        std::cout << (i == 0 ? " (" : ", ") << tiedGroupOrder[i] << (i + 1 == tiedGroupOrder.size() ? ")" : "");
    if (tiedGroupOrder.size() > 5)
        std::cout << ", ...)";
    std::cout << "; " << differing.size() << " differ";
    for (const std::string& name : differing)
        std::cout << ' ' << name << (kRewrittenAtLoad.contains(name) ? " (rewritten by the JVM at load time)" : "");
    std::cout << '\n';
    EXPECT_EQ(mismatches, 0u);
    if (searchText.empty()) {
        for (const std::string& name : kRewrittenAtLoad)
            EXPECT_TRUE(differing.contains(name)) << name << " now matches; remove it from kRewrittenAtLoad";
    }
}

TEST(ModelConformance, EveryExportedClassWithAnEmptySearchText)
{
    compareWholeJdk("");
}

class ModelConformanceSearch : public testing::TestWithParam<std::string> {};

TEST_P(ModelConformanceSearch, EveryExportedClass)
{
    compareWholeJdk(GetParam());
}

INSTANTIATE_TEST_SUITE_P(SearchTexts, ModelConformanceSearch, testing::Values("(", "Object", "get"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param == "(" ? std::string("OpeningParenthesis") : info.param;
                         });

}  // namespace
}  // namespace qv
