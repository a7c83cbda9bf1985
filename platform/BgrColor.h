#pragma once
#include <QColor>

// Colours are written as the classic 24-bit values whose lowest byte is red.
constexpr QRgb BgrToRgb(unsigned bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
inline QColor BgrColor(unsigned bgr) { return QColor(BgrToRgb(bgr)); }
