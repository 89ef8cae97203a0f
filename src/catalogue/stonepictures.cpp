#include "stonepictures.h"

#include <QString>

#include <array>

QPixmap StonePictures::picture(int number)
{
    static std::array<QPixmap, Count> cache;
    if (number < 1 || number > Count)
        return {};
    QPixmap &slot = cache[number - 1];
    if (slot.isNull())
        slot.load(QStringLiteral(":/stones/%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
    return slot;
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
