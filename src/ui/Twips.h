#pragma once

#include "RoundHalfEven.h"

#include <QRect>

// The dialogs were laid out in twips; at 96 dots per inch a pixel is 15.
inline constexpr int kTwipsPerPixel = 15;

// A length in twips as whole pixels: the nearest, halves to the even one.
// The About window keeps its scrolling credits' place in single precision,
// so the division is done in it too.
inline int PixelsFromTwips(float twips)
{
    return static_cast<int>(RoundHalfEven(twips / static_cast<float>(kTwipsPerPixel)));
}

inline int Px(int twips)
{
    return PixelsFromTwips(static_cast<float>(twips));
}

inline QRect PxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
