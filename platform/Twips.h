#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace tamsoret {

// Window geometry is laid out in twips (1/1440 inch) and converted with the screen's
// logical resolution: 15 twips per pixel at 96 DPI.
inline int TwipsToPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

inline QRect TwipsRect(int left, int top, int width, int height, double logicalDpi)
{
    return QRect(TwipsToPixels(left, logicalDpi), TwipsToPixels(top, logicalDpi),
                 TwipsToPixels(width, logicalDpi), TwipsToPixels(height, logicalDpi));
}

// The look-alike of the classic 8.25-point dialog face.
QFont DialogFont(bool bold);

} // namespace tamsoret
