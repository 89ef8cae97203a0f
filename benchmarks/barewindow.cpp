// The yardstick: Qt's canonical first program, one label in a window of the study window's size.
// Any window that shows text pays for loading the font database; this one pays for nothing else.
#include "shownprobe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello, world"));
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(687, 470);
    ShownProbe probe(&window);
    window.show();
    return QApplication::exec();
}
