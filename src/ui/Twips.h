#pragma once

#include <QRect>

// The dialogs were laid out in twips; at 96 dots per inch a pixel is 15.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return twips / kTwipsPerPixel;
}

inline QRect PxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
