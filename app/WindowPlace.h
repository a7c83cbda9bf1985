#pragma once
#include <QPointF>

// Where the main window goes: centred across the screen and 250 twips above the centre, in
// twips from the screen's top-left (15 to a pixel). On a small screen it may lie partly off.
namespace WindowPlace {
inline constexpr double OuterWidth = 15360;
inline constexpr double OuterHeight = 11070;
inline constexpr double AboveCentre = 250;

constexpr QPointF TopLeft(double screenWidth, double screenHeight)
{
    return {(screenWidth - OuterWidth) / 2, (screenHeight - OuterHeight) / 2 - AboveCentre};
}
} // namespace WindowPlace
