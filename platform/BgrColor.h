#pragma once
#include <QColor>

// Colours are written as the classic 24-bit values whose lowest byte is red.
constexpr QRgb bgrToRgb(unsigned bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
inline QColor bgrColor(unsigned bgr) { return QColor(bgrToRgb(bgr)); }
