// Quorvane: the program's entry.

#include <QApplication>

#include "app/quorvane.h"

int main(int argc, char** argv)
{
    // The program's own arguments are accepted and ignored: none of them reaches Qt either.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication app(toolkitArgc, argv);
    qv::quorvane window;
    return QApplication::exec();
}
