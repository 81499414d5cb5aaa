#pragma once

#include <QRect>

namespace carbonym::ui {

// Window geometry is laid down in twips, 1/1440 inch: 15 to a pixel at 96
// dots per inch, which is what Qt's device-independent pixels are.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest whole pixel; lengths and positions are never negative.
constexpr int Pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

} // namespace carbonym::ui
