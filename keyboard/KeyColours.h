#pragma once
#include "platform/DesignTable.h"
#include <array>

// Colours of the keyboard panel, as 24-bit values whose lowest byte is red. A cap's fill
// tells the finger that types it.
enum class Fill { Orange, Green, Yellow, Cyan, LightCyan, PaleCyan, Pink, Blue, Teal };

struct FillColour {
    Fill fill;
    unsigned value;
};

inline constexpr std::array FillColours{
    FillColour{Fill::Orange, 8438015},      // little fingers
    FillColour{Fill::Green, 8454016},       // ring fingers
    FillColour{Fill::Yellow, 65535},        // middle fingers
    FillColour{Fill::Cyan, 16776960},       // left index finger
    FillColour{Fill::LightCyan, 16777088},  // the 5 key
    FillColour{Fill::PaleCyan, 16777152},   // right index finger
    FillColour{Fill::Pink, 16744703},       // thumbs
    FillColour{Fill::Blue, 16744576},       // Enter and Shift
    FillColour{Fill::Teal, 8421376},        // Tab, Caps Lock, Ctrl, Alt, keys without legend
};

constexpr unsigned colourOf(Fill fill)
{
    for (const FillColour& row : FillColours)
        if (row.fill == fill)
            return row.value;
    return 0;
}

namespace PanelColour {
inline constexpr unsigned Back = LightGrey;       // picKey and the finger names
inline constexpr unsigned Shadow = 16512;         // dark brown ShpKey(n)
inline constexpr unsigned Border = 0;             // normal outline, 1 px
inline constexpr unsigned Guide = 255;            // outline of a key to press, 4 px
inline constexpr unsigned HomeMark = 255;         // Line10: the marks under F and J
inline constexpr unsigned Callout = 8421631;      // lblBaseKey and linBaseKey
inline constexpr unsigned LampOn = 65280;
inline constexpr unsigned LampOff = LightGrey;    // after a Caps Lock press
inline constexpr unsigned LampAtStart = Grey;     // the lamp's design colour, while off
} // namespace PanelColour

inline constexpr int NormalBorderWidth = 1;
inline constexpr int GuideBorderWidth = 4;
