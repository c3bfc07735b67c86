// Every class of every package the installed JDK exports: the signature texts the C++
// reader gives must be, as a multiset, exactly those of the JDK's own reflection.

#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include "platform/ClassLibrary.h"
#include "reflection_dump.h"

namespace qv {
namespace {

// Classes whose members the JVM rewrites when it loads them, so that reflection shows
// methods (or flags) their class files do not have: the JDK Flight Recorder's event
// classes get their instrumentation added at load time. The class file is what counts.
// jdk.jfr.Event declares begin, end, commit, isEnabled, shouldCommit and set final; the
// JVM drops the final so that it can instrument them.
const std::set<std::string> kRewrittenAtLoad = {
    "jdk.jfr.Event",
};

TEST(JdkConformance, EveryExportedClassMatchesTheJdksReflection)
{
    // ALL-SYSTEM: the JVM resolves the modules it leaves out by default (the incubator
    // modules), so they are compared as well.
    const std::string command = std::string("'") + QV_JAVA + "' --add-modules ALL-SYSTEM '" + QV_SOURCE_DIR +
                                "/tests/platform/ReflectionDump.java' jdk 2>/dev/null";
    const test::ReflectionDump dump = test::parseReflectionDump(test::runCommand(command));
    ASSERT_FALSE(dump.javaHome.empty());
    ASSERT_GT(dump.classes.size(), 1000u);
    EXPECT_TRUE(dump.failures.empty()) << dump.failures.size() << " classes the JDK could not load, the first "
                                       << dump.failures.begin()->first;

    const auto library = openClassPath(dump.javaHome);
    std::size_t classes = 0, lines = 0, mismatches = 0;
    std::set<std::string> differing;
    for (const auto& [name, expected] : dump.classes) {
        std::vector<std::string> actual;
        try {
            actual = test::reflectedTexts(*library, name);
        } catch (const std::exception& e) {
            ADD_FAILURE() << name << ": " << e.what();
            continue;
        }
        ++classes;
        lines += expected.size();
        if (test::sorted(actual) == test::sorted(expected))
            continue;
        differing.insert(name);
        if (kRewrittenAtLoad.contains(name))
            continue;
        if (++mismatches <= 20) {
            EXPECT_EQ(test::sorted(expected), test::sorted(actual)) << "class " << name;
        }
    }
    std::cout << "compared " << classes << " classes and " << lines << " signature lines of " << dump.javaHome
              << "; " << differing.size() << " differ, " << differing.size() - mismatches
              << " of them rewritten by the JVM at load time\n";
    EXPECT_EQ(mismatches, 0u);
    // An allowed difference that no longer differs is stale: keep the list exact.
    for (const std::string& name : kRewrittenAtLoad)
        EXPECT_TRUE(differing.contains(name)) << name << " now matches; remove it from kRewrittenAtLoad";
}

}  // namespace
}  // namespace qv
