#pragma once

#include <QRect>

namespace MainBas {

// Window layouts are given in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct Placement
{
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return QRect(Px(left), Px(top), Px(width), Px(height)); }
};

} // namespace MainBas
