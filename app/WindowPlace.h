#pragma once
#include <QPointF>
#include <QRectF>

// Where the main window goes, in twips (15 to a pixel): centred across the screen and 250
// twips above the centre. A window larger than the screen's available area in one direction
// starts at that area's edge instead, so that its menu bar and buttons stay in reach (at a
// large scale factor, or on a small screen); one that fits may stand a little off, as designed.
namespace WindowPlace {
inline constexpr double OuterWidth = 15360;
inline constexpr double OuterHeight = 11070;
inline constexpr double AboveCentre = 250;

constexpr QPointF topLeft(const QRectF& screen, const QRectF& available)
{
    return {OuterWidth > available.width() ? available.left() : screen.left() + (screen.width() - OuterWidth) / 2,
            OuterHeight > available.height() ? available.top()
                                             : screen.top() + (screen.height() - OuterHeight) / 2 - AboveCentre};
}
} // namespace WindowPlace
