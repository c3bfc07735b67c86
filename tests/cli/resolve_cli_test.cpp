// quorvane-cli resolve on the installed JDK: what the Search command leaves in the
// class-name field.

#include <gtest/gtest.h>

#include "support/run_process.h"

namespace qv {
namespace {

TEST(CliResolve, CompletesThroughThePageTable)
{
    struct Case {
        std::string typed;
        std::string printed;
        int status;
    };
    const Case cases[] = {
        {"String", "java.lang.String", 0},
        {"Map.Entry", "java.util.Map.Entry", 0},
        {"Entry", "Entry", 1},      // no page is named Entry alone
        {" String", " String", 1},  // blanks count
        {"JButton", "javax.swing.JButton", 0},  // javax stays: this JDK has no com.sun.java.swing
    };
    for (const Case& c : cases) {
        const test::ProcessResult run = test::runProcess(QV_CLI_PATH, {"resolve", c.typed});
        EXPECT_EQ(run.out, c.printed + "\n") << '"' << c.typed << '"';
        EXPECT_EQ(run.exitStatus, c.status) << '"' << c.typed << '"';
        EXPECT_EQ(run.err, "") << '"' << c.typed << '"';
    }
}

}  // namespace
}  // namespace qv
