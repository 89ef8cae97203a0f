#include "stonepictures.h"

#include <QPixmapCache>
#include <QString>

QPixmap StonePictures::picture(int number)
{
    if (number < 1 || number > Count)
        return {};
    const QString path = QStringLiteral(":/stones/%1.jpg").arg(number, 2, 10, QLatin1Char('0'));
    // Qt's own cache: it belongs to the application object, so no pixmap outlives the GUI it
    // was made for, and a picture is decoded only when first shown.
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture) && picture.load(path))
        QPixmapCache::insert(path, picture);
    return picture;
}

QImage StonePictures::printPicture(int number)
{
    if (number < 1 || number > Count)
        return {};
    return QImage(QStringLiteral(":/stones/print/%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
}

QImage turnedPicture(const QImage &upright, const QSize &size)
{
    if (upright.isNull())
        return {};
    QImage turned = upright.mirrored(true, true);
    if (!size.isEmpty() && turned.size() != size)
        turned = turned.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return turned;
}
