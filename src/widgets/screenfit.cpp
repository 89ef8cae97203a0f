#include "screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void fitToScreen(QWidget *window, const QSize &wanted, const QScreen *screen)
{
    // Before the window is shown its border is unknown; leave room for a usual one.
    window->resize(screen ? wanted.boundedTo(screen->availableGeometry().size() - QSize(16, 48))
                          : wanted);
}

bool windowSystemPlacesWindows()
{
    static const bool placed = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return placed;
}
