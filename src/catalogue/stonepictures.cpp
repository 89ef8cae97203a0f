#include "stonepictures.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <array>

namespace {
// The decoded pictures belong to the application object they were decoded under: a child of it,
// deleted first thing when it goes (a post routine), while the window system is still whole. A
// static store would outlive the application, and with it the GUI its pixmaps were made for.
class PictureCache final : public QObject
{
public:
    using QObject::QObject;
    std::array<QPixmap, StonePictures::Count> pictures;
};

PictureCache *pictureCache()
{
    static QPointer<PictureCache> cache;
    if (!cache && QCoreApplication::instance()) {
        cache = new PictureCache(QCoreApplication::instance());
        qAddPostRoutine([] { delete cache.data(); });
    }
    return cache;
}
} // namespace

QPixmap StonePictures::picture(int number)
{
    PictureCache *cache = number >= 1 && number <= Count ? pictureCache() : nullptr;
    if (!cache)
        return {};
    QPixmap &slot = cache->pictures[number - 1];
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
