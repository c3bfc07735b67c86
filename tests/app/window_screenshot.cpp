// Saves a picture of the freshly started window, for checking its look by eye.
// Usage: window_screenshot OUTPUT.png

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/quorvane.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot OUTPUT.png\n");
        return 2;
    }
    const std::filesystem::path output = std::filesystem::absolute(argv[1]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::filesystem::create_directories(output.parent_path());
    std::filesystem::current_path(output.parent_path());  // no Quorvane.cfg is read from the tree
    qv::quorvane window;
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(output.string()))) {
        std::fprintf(stderr, "could not write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
