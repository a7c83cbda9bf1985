#pragma once
#include "keyboard/KeyColours.h"
#include <array>

// Everything on the keyboard panel that is not a key: lines drawn over the caps, the finger
// colour legend and the callouts naming the index fingers' base keys. Panel pixels.
namespace PanelMarks {

struct Stroke {
    const char* name;
    int x1, y1, x2, y2;
    unsigned colour;
    int width;
};

inline constexpr std::array Strokes{
    Stroke{"Line10(1)", 256, 128, 264, 128, PanelColour::HomeMark, 2},   // under F
    Stroke{"Line10(0)", 384, 128, 392, 128, PanelColour::HomeMark, 2},   // under J
    Stroke{"Line4", 680, 108, 680, 124, 0, 1},                           // Enter arrow
    Stroke{"Line1(1)", 680, 124, 625, 124, 0, 1},
    Stroke{"Line2(1)", 625, 124, 633, 120, 0, 1},
    Stroke{"Line3(1)", 633, 128, 625, 124, 0, 1},
};
inline constexpr unsigned BackspaceArrowColour = 0;   // Line1(0), Line2(0), Line3(0)

// Swatch Shape2(shape) in the finger's colour, with the finger's name Label2(label) under it.
struct FingerSwatch {
    int shape;
    int left, top, width, height;
    Fill fill;
    int label;
    int labelLeft;
    const char16_t* caption;
};
inline constexpr int FingerNameTop = 260;

inline constexpr std::array FingerLegend{
    FingerSwatch{4, 120, 244, 13, 13, Fill::Orange, 13, 112, u"小指"},
    FingerSwatch{5, 172, 244, 13, 13, Fill::Green, 12, 160, u"無名指"},
    FingerSwatch{6, 220, 244, 13, 13, Fill::Yellow, 14, 216, u"中指"},
    FingerSwatch{7, 276, 244, 13, 13, Fill::Cyan, 15, 264, u"左食指"},
    FingerSwatch{8, 332, 248, 57, 9, Fill::Pink, 16, 340, u"大姆指"},
    FingerSwatch{0, 444, 244, 13, 13, Fill::PaleCyan, 8, 432, u"右食指"},
    FingerSwatch{1, 496, 244, 13, 13, Fill::Yellow, 9, 492, u"中指"},
    FingerSwatch{2, 548, 244, 13, 13, Fill::Green, 10, 536, u"無名指"},
    FingerSwatch{3, 600, 244, 13, 13, Fill::Orange, 11, 596, u"小指"},
};

// lblBaseKey(index) over the F and J keys and the line linBaseKey(index) pointing down to it.
struct Callout {
    int index;
    const char16_t* caption;
    int left, top, width, height;
    int x1, y1, x2, y2;
};
inline constexpr int CalloutLineWidth = 4;

inline constexpr std::array BaseKeyCallouts{
    Callout{0, u"左手食指基準鍵", 248, 56, 61, 29, 260, 96, 272, 80},
    Callout{1, u"右手食指基準鍵", 404, 56, 61, 29, 408, 96, 420, 80},
};

// The window's own face, which the finger names and the callouts use.
inline constexpr const char16_t* LabelFamily = MingFace;
inline constexpr double LabelPoints = 9.75;

} // namespace PanelMarks
