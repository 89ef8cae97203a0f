#include "windowplacement.h"

#include "widgets/screenfit.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace WindowPlacement {

namespace {

class IconAfterPaint final : public QObject
{
public:
    explicit IconAfterPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &applyWindowIcon);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void centre(QWidget *window)
{
    if (windowSystemPlacesWindows())
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void putOnScreenOf(QWidget *window, const QWidget *other)
{
    if (other && !windowSystemPlacesWindows())
        window->setScreen(other->screen());
}

void handKeyboardTo(QWidget *window)
{
    if (QWindow *handle = window->windowHandle())
        handle->requestActivate();
}

void applyWindowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/orlendra-32.png"));
    icon.addFile(QStringLiteral(":/icon/orlendra-64.png"));
    QApplication::setWindowIcon(icon);
}

void applyWindowIconOnceShown(QWidget *window)
{
    new IconAfterPaint(window);
}

} // namespace WindowPlacement
