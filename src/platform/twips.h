#pragma once

#include <QRect>

// Layout figures are written in twips (1/1440 inch) so they read one to one against the design
// tables; this is the only place where they become pixels, at 15 twips per pixel.
constexpr int twipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
