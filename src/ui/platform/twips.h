#pragma once

#include <QRect>
#include <QSize>

namespace carbonym::ui {

// Window geometry is laid down in twips, 1/1440 inch: 15 to a pixel at 96
// dots per inch, which is what Qt's device-independent pixels are. The one
// conversion of every window.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest whole pixel, halves away from zero; negative positions
// (a window moving off the screen) convert as their mirror image.
constexpr int Pixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

constexpr QRect TwipsRect(const QRect& twips)
{
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

constexpr QSize TwipsSize(const QSize& twips)
{
    return QSize(Pixels(twips.width()), Pixels(twips.height()));
}

} // namespace carbonym::ui
