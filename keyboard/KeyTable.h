#pragma once
#include "keyboard/KeyColours.h"
#include <array>

// The main block of a PC keyboard as the panel `picKey` shows it in the design arrangement
// (SmallEnter). Pixels of the panel, measured from its top-left corner.
namespace KeyGeometry {
inline constexpr int PanelWidth = 729;
inline constexpr int PanelHeight = 281;
inline constexpr int CapHeight = 41;
inline constexpr int RowPitch = 48;      // a cap's top is 48 x row
inline constexpr int ShadowOffset = 4;   // ShpKey(n) lies this far right of and below its cap
inline constexpr int CodeCount = 200;    // key codes run 1..200
inline constexpr int ShadowCount = 65;   // ShpKey(0..64)
} // namespace KeyGeometry

// Where a key stands: its cap Shape1(code), its shadow ShpKey(shadow) and its colour.
struct KeyPlace {
    const char* key;
    int code;
    int shadow;
    int row, left, width;
    Fill fill;
    int shadowLeft = 0;    // 0: the usual 4 px right of the cap,
    int shadowWidth = 0;   // 0: as wide as the cap
};

inline constexpr std::array KeyPlaces{
    KeyPlace{"grave", 96, 53, 0, 0, 41, Fill::Orange},
    KeyPlace{"1", 49, 0, 0, 48, 41, Fill::Orange},
    KeyPlace{"2", 50, 1, 0, 96, 41, Fill::Green},
    KeyPlace{"3", 51, 2, 0, 144, 41, Fill::Yellow},
    KeyPlace{"4", 52, 3, 0, 192, 41, Fill::Cyan},
    KeyPlace{"5", 53, 4, 0, 240, 41, Fill::LightCyan},
    KeyPlace{"6", 54, 5, 0, 296, 41, Fill::PaleCyan},
    KeyPlace{"7", 55, 6, 0, 344, 41, Fill::PaleCyan},
    KeyPlace{"8", 56, 7, 0, 392, 41, Fill::Yellow},
    KeyPlace{"9", 57, 8, 0, 440, 41, Fill::Green},
    KeyPlace{"0", 48, 9, 0, 488, 41, Fill::Orange},
    KeyPlace{"minus", 45, 10, 0, 536, 41, Fill::Orange},
    KeyPlace{"equals", 61, 11, 0, 584, 41, Fill::Orange},
    KeyPlace{"Backspace", 8, 13, 0, 632, 89, Fill::Orange},

    KeyPlace{"Tab", 9, 54, 1, 0, 61, Fill::Teal},
    KeyPlace{"Q", 81, 14, 1, 72, 41, Fill::Orange},
    KeyPlace{"W", 87, 15, 1, 124, 41, Fill::Green},
    KeyPlace{"E", 69, 16, 1, 172, 41, Fill::Yellow},
    KeyPlace{"R", 82, 17, 1, 220, 41, Fill::Cyan},
    KeyPlace{"T", 84, 18, 1, 268, 41, Fill::Cyan},
    KeyPlace{"Y", 89, 19, 1, 324, 41, Fill::PaleCyan},
    KeyPlace{"U", 85, 20, 1, 372, 41, Fill::PaleCyan},
    KeyPlace{"I", 73, 21, 1, 420, 41, Fill::Yellow},
    KeyPlace{"O", 79, 22, 1, 468, 41, Fill::Green},
    KeyPlace{"P", 80, 23, 1, 516, 41, Fill::Orange},
    KeyPlace{"left bracket", 91, 24, 1, 564, 41, Fill::Orange},
    KeyPlace{"right bracket", 93, 25, 1, 612, 41, Fill::Orange},
    KeyPlace{"backslash", 92, 27, 1, 660, 61, Fill::Orange},

    KeyPlace{"Caps Lock", 20, 55, 2, 0, 77, Fill::Teal},
    KeyPlace{"A", 65, 28, 2, 84, 41, Fill::Orange},
    KeyPlace{"S", 83, 29, 2, 132, 41, Fill::Green},
    KeyPlace{"D", 68, 30, 2, 180, 41, Fill::Yellow},
    KeyPlace{"F", 70, 31, 2, 228, 41, Fill::Cyan},
    KeyPlace{"G", 71, 32, 2, 276, 41, Fill::Cyan},
    KeyPlace{"H", 72, 33, 2, 332, 41, Fill::PaleCyan},
    KeyPlace{"J", 74, 34, 2, 380, 41, Fill::PaleCyan},
    KeyPlace{"K", 75, 35, 2, 428, 41, Fill::Yellow},
    KeyPlace{"L", 76, 36, 2, 476, 41, Fill::Green},
    KeyPlace{"semicolon", 59, 37, 2, 524, 41, Fill::Orange},
    KeyPlace{"apostrophe", 39, 38, 2, 572, 41, Fill::Orange},
    KeyPlace{"Enter", 13, 40, 2, 620, 105, Fill::Blue},

    KeyPlace{"left Shift", 2, 56, 3, 0, 101, Fill::Blue},
    KeyPlace{"Z", 90, 41, 3, 108, 41, Fill::Orange},
    KeyPlace{"X", 88, 42, 3, 156, 41, Fill::Green},
    KeyPlace{"C", 67, 43, 3, 204, 41, Fill::Yellow},
    KeyPlace{"V", 86, 44, 3, 252, 41, Fill::Cyan},
    KeyPlace{"B", 66, 45, 3, 300, 41, Fill::Cyan},
    KeyPlace{"N", 78, 46, 3, 356, 41, Fill::PaleCyan},
    KeyPlace{"M", 77, 47, 3, 404, 41, Fill::PaleCyan},
    KeyPlace{"comma", 44, 48, 3, 452, 41, Fill::Yellow},
    KeyPlace{"period", 46, 49, 3, 500, 41, Fill::Green},
    KeyPlace{"slash", 47, 50, 3, 548, 41, Fill::Orange},
    KeyPlace{"right Shift", 3, 52, 3, 596, 129, Fill::Blue},

    KeyPlace{"left Ctrl", 4, 57, 4, 0, 69, Fill::Teal},
    KeyPlace{"no legend", 110, 62, 4, 76, 53, Fill::Teal, 76, 57},
    KeyPlace{"left Alt", 6, 58, 4, 136, 53, Fill::Teal},
    KeyPlace{"Space", 32, 59, 4, 196, 277, Fill::Pink},
    KeyPlace{"right Alt", 7, 60, 4, 484, 49, Fill::Teal},
    KeyPlace{"no legend", 114, 63, 4, 540, 49, Fill::Teal},
    KeyPlace{"no legend", 115, 64, 4, 596, 45, Fill::Teal},
    KeyPlace{"right Ctrl", 5, 61, 4, 648, 77, Fill::Teal},
};

// Faces of the legends: bold and black, in the families the design names.
enum class LegendFont { Capital, Small, Symbol, Grave, Star, Paren, Ampersand, Name, CapsLockName };

struct LegendFontSpec {
    LegendFont font;
    const char16_t* family;
    double points;
};

inline constexpr std::array LegendFonts{
    LegendFontSpec{LegendFont::Capital, u"Arial", 12},
    LegendFontSpec{LegendFont::Small, u"Arial", 9.75},
    LegendFontSpec{LegendFont::Symbol, MingFace, 12},   // digits and symbols
    LegendFontSpec{LegendFont::Grave, MingFace, 15.75},
    LegendFontSpec{LegendFont::Star, MingFace, 14.25},
    LegendFontSpec{LegendFont::Paren, MingFace, 11.25},
    LegendFontSpec{LegendFont::Ampersand, MingFace, 9.75},
    LegendFontSpec{LegendFont::Name, MingFace, 11.25},
    LegendFontSpec{LegendFont::CapsLockName, MingFace, 9.75},
};

// One legend label LblTit(index). Character legends are centred over the cap, key names
// stand `dx` right of its left edge; both `dy` below its top.
struct Legend {
    int index;   // -1: the key has no such legend
    const char16_t* text;
    LegendFont font;
    int dx;      // Centred, or pixels from the cap's left edge
    int dy;
};
inline constexpr int Centred = -1;
inline constexpr Legend NoLegend{-1, u"", LegendFont::Symbol, Centred, 0};

constexpr Legend upperLegend(int index, const char16_t* text, LegendFont font = LegendFont::Symbol, int dy = 2)
{
    return {index, text, font, Centred, dy};
}
constexpr Legend lowerLegend(int index, const char16_t* text, LegendFont font = LegendFont::Symbol, int dy = 20)
{
    return {index, text, font, Centred, dy};
}
constexpr Legend capitalLegend(int index, const char16_t* text) { return upperLegend(index, text, LegendFont::Capital); }
constexpr Legend smallLegend(int index, const char16_t* text) { return lowerLegend(index, text, LegendFont::Small); }
constexpr Legend nameLegend(int index, const char16_t* text, int dx, LegendFont font = LegendFont::Name)
{
    return {index, text, font, dx, 4};
}

// What each key carries: the shifted character (or capital) above, the unshifted one
// (or small letter) below, or the key's name.
struct KeyLegends {
    int code;
    Legend upper;
    Legend lower;
};

inline constexpr std::array KeyLegendTable{
    KeyLegends{96, upperLegend(37, u"~"), lowerLegend(38, u"`", LegendFont::Grave, 16)},
    KeyLegends{49, upperLegend(36, u"!"), lowerLegend(2, u"1")},
    KeyLegends{50, upperLegend(39, u"@"), lowerLegend(0, u"2")},
    KeyLegends{51, upperLegend(40, u"#"), lowerLegend(1, u"3")},
    KeyLegends{52, upperLegend(41, u"$"), lowerLegend(3, u"4")},
    KeyLegends{53, upperLegend(42, u"%"), lowerLegend(4, u"5")},
    KeyLegends{54, upperLegend(43, u"^"), lowerLegend(5, u"6")},
    KeyLegends{55, upperLegend(51, u"＆", LegendFont::Ampersand, 4), lowerLegend(6, u"7")},
    KeyLegends{56, upperLegend(44, u"*", LegendFont::Star, 2), lowerLegend(7, u"8")},
    KeyLegends{57, upperLegend(45, u"(", LegendFont::Paren, 2), lowerLegend(8, u"9")},
    KeyLegends{48, upperLegend(46, u")", LegendFont::Paren, 2), lowerLegend(9, u"0")},
    KeyLegends{45, upperLegend(48, u"＿", LegendFont::Symbol, 0), lowerLegend(47, u"-")},
    KeyLegends{61, upperLegend(50, u"+"), lowerLegend(49, u"=")},
    KeyLegends{8, nameLegend(52, u"Backspace", 8), NoLegend},

    KeyLegends{9, nameLegend(77, u"Tab", 12), NoLegend},
    KeyLegends{81, capitalLegend(26, u"Q"), smallLegend(94, u"q")},
    KeyLegends{87, capitalLegend(32, u"W"), smallLegend(100, u"w")},
    KeyLegends{69, capitalLegend(14, u"E"), smallLegend(82, u"e")},
    KeyLegends{82, capitalLegend(27, u"R"), smallLegend(95, u"r")},
    KeyLegends{84, capitalLegend(29, u"T"), smallLegend(97, u"t")},
    KeyLegends{89, capitalLegend(34, u"Y"), smallLegend(102, u"y")},
    KeyLegends{85, capitalLegend(30, u"U"), smallLegend(98, u"u")},
    KeyLegends{73, capitalLegend(18, u"I"), smallLegend(86, u"i")},
    KeyLegends{79, capitalLegend(24, u"O"), smallLegend(92, u"o")},
    KeyLegends{80, capitalLegend(25, u"P"), smallLegend(93, u"p")},
    KeyLegends{91, upperLegend(53, u"{"), lowerLegend(54, u"[")},
    KeyLegends{93, upperLegend(55, u"}"), lowerLegend(56, u"]")},
    KeyLegends{92, upperLegend(57, u"|"), lowerLegend(58, u"\\")},   // placed by the arrangement table

    KeyLegends{20, nameLegend(76, u"Caps Lock", 8, LegendFont::CapsLockName), NoLegend},
    KeyLegends{65, capitalLegend(10, u"A"), smallLegend(78, u"a")},
    KeyLegends{83, capitalLegend(28, u"S"), smallLegend(96, u"s")},
    KeyLegends{68, capitalLegend(13, u"D"), smallLegend(81, u"d")},
    KeyLegends{70, capitalLegend(15, u"F"), smallLegend(83, u"f")},
    KeyLegends{71, capitalLegend(16, u"G"), smallLegend(84, u"g")},
    KeyLegends{72, capitalLegend(17, u"H"), smallLegend(85, u"h")},
    KeyLegends{74, capitalLegend(19, u"J"), smallLegend(87, u"j")},
    KeyLegends{75, capitalLegend(20, u"K"), smallLegend(88, u"k")},
    KeyLegends{76, capitalLegend(21, u"L"), smallLegend(89, u"l")},
    KeyLegends{59, upperLegend(59, u":"), lowerLegend(60, u";")},
    KeyLegends{39, upperLegend(61, u"\""), lowerLegend(62, u"'")},
    KeyLegends{13, nameLegend(69, u"Enter", 12), NoLegend},

    KeyLegends{2, nameLegend(71, u"Shift", 12), NoLegend},
    KeyLegends{90, capitalLegend(35, u"Z"), smallLegend(103, u"z")},
    KeyLegends{88, capitalLegend(33, u"X"), smallLegend(101, u"x")},
    KeyLegends{67, capitalLegend(12, u"C"), smallLegend(80, u"c")},
    KeyLegends{86, capitalLegend(31, u"V"), smallLegend(99, u"v")},
    KeyLegends{66, capitalLegend(11, u"B"), smallLegend(79, u"b")},
    KeyLegends{78, capitalLegend(23, u"N"), smallLegend(91, u"n")},
    KeyLegends{77, capitalLegend(22, u"M"), smallLegend(90, u"m")},
    KeyLegends{44, upperLegend(63, u"<"), lowerLegend(64, u",")},
    KeyLegends{46, upperLegend(65, u">"), lowerLegend(66, u".")},
    KeyLegends{47, upperLegend(67, u"?"), lowerLegend(68, u"/")},
    KeyLegends{3, nameLegend(70, u"Shift", 8), NoLegend},

    KeyLegends{4, nameLegend(72, u"Ctrl", 12), NoLegend},
    KeyLegends{6, nameLegend(74, u"Alt", 12), NoLegend},
    KeyLegends{7, nameLegend(75, u"Alt", 12), NoLegend},
    KeyLegends{5, nameLegend(73, u"Ctrl", 12), NoLegend},
};

inline constexpr int LegendCount = 104;   // LblTit(0..103)

// The tables name each other by code and index; a slip stops the build.
namespace KeyTableCheck {
constexpr bool hasPlace(int code)
{
    for (const KeyPlace& key : KeyPlaces)
        if (key.code == code)
            return true;
    return false;
}
constexpr bool codesAreDistinctAndInRange()
{
    for (std::size_t i = 0; i < KeyPlaces.size(); ++i) {
        if (KeyPlaces[i].code < 1 || KeyPlaces[i].code > KeyGeometry::CodeCount || KeyPlaces[i].shadow < 0 ||
            KeyPlaces[i].shadow >= KeyGeometry::ShadowCount)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (KeyPlaces[i].code == KeyPlaces[j].code || KeyPlaces[i].shadow == KeyPlaces[j].shadow)
                return false;
    }
    return true;
}
constexpr bool eachLegendOnceOnAKey()
{
    std::array<int, LegendCount> uses{};
    for (const KeyLegends& key : KeyLegendTable) {
        if (!hasPlace(key.code))
            return false;
        for (const Legend& legend : {key.upper, key.lower})
            if (legend.index >= LegendCount || (legend.index >= 0 && uses[legend.index]++))
                return false;
    }
    for (int use : uses)
        if (use != 1)
            return false;
    return true;
}
static_assert(codesAreDistinctAndInRange());
static_assert(eachLegendOnceOnAKey());
} // namespace KeyTableCheck
