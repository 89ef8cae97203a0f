#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

// IMG, the picture store that both the study window and the meanings test draw from: 25 pictures,
// numbered 1 to 25 (stone k is number k + 1, 25 is the blank stone). Pictures are decoded on first
// use and kept in the application's pixmap cache, so start-up pays only for the ones it shows.
class StonePictures
{
public:
    static constexpr int Count = 25;
    static constexpr QSize NaturalSize{113, 151};

    // A null pixmap for a number outside 1 to 25.
    static QPixmap picture(int number);
    // The same picture four times as large, sharp on paper; null outside 1 to 25. Not cached:
    // a document draws each once.
    static QImage printPicture(int number);
};

// The picture turned by 180 degrees (mirrored left to right and top to bottom), stretched to fill
// the given size: a rune stone seen in its reversed position.
QImage turnedPicture(const QImage &upright, const QSize &size);
