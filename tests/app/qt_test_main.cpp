// Test entry for the widget tests: one QApplication on the offscreen platform, and a
// working directory of its own so that no Quorvane.cfg of the build tree is read.

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    qv::test::TempDir workDir;
    std::filesystem::current_path(workDir.path());
    return RUN_ALL_TESTS();
}
