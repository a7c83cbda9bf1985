#pragma once
#include <array>

// The three keyboard arrangements the user picks with optKey(0..2).
enum class KeyboardLayout { SmallEnter = 0, BackslashUp = 1, BackslashDown = 2 };
inline constexpr int ArrangementCount = 3;

// What one arrangement sets on a control: left, top, width, height of a cap, a shadow or a
// legend label, or X1, Y1, X2, Y2 of a line.
struct Place {
    int a, b, c, d;
    friend constexpr bool operator==(const Place&, const Place&) = default;
};
inline constexpr Place Unchanged{-1, -1, -1, -1};

enum class Piece {
    Cap,            // Shape1(index)
    Shadow,         // ShpKey(index)
    Legend,         // LblTit(index)
    BackspaceArrow, // 0: stem Line1(0), 1: Line2(0), 2: Line3(0)
};

struct ArrangedControl {
    Piece piece;
    int index;
    std::array<Place, ArrangementCount> at;   // SmallEnter, BackslashUp, BackslashDown
};

// The keys that differ between arrangements, in the order they are moved. No other key
// moves: Enter stays a one-row key, and with the backslash moved the place at the end of
// the Q row stays empty.
inline constexpr std::array Arrangement{
    ArrangedControl{Piece::Cap, 8, {{{632, 0, 89, 41}, {680, 0, 41, 41}, {632, 0, 89, 41}}}},
    ArrangedControl{Piece::Shadow, 13, {{{636, 4, 89, 41}, {684, 4, 41, 41}, {636, 4, 89, 41}}}},
    ArrangedControl{Piece::BackspaceArrow, 0, {{{708, 28, 636, 28}, {715, 28, 688, 28}, {708, 28, 636, 28}}}},
    ArrangedControl{Piece::BackspaceArrow, 1, {{{636, 28, 644, 24}, {688, 28, 696, 24}, {636, 28, 644, 24}}}},
    ArrangedControl{Piece::BackspaceArrow, 2, {{{636, 28, 644, 32}, {688, 28, 696, 32}, {636, 28, 644, 32}}}},
    ArrangedControl{Piece::Cap, 92, {{{660, 48, 61, 41}, {632, 0, 41, 41}, {684, 144, 41, 41}}}},
    ArrangedControl{Piece::Shadow, 27, {{{664, 52, 61, 41}, {636, 4, 41, 41}, {688, 148, 41, 41}}}},
    ArrangedControl{Piece::Legend, 57, {{{684, 52, 5, 16}, {650, 4, 5, 16}, {702, 148, 5, 16}}}},
    ArrangedControl{Piece::Legend, 58, {{{678, 68, 7, 16}, {644, 20, 7, 16}, {696, 164, 7, 16}}}},
    ArrangedControl{Piece::Cap, 3, {{{596, 144, 129, 41}, {596, 144, 129, 41}, {596, 144, 81, 41}}}},
    ArrangedControl{Piece::Shadow, 52, {{{600, 148, 129, 41}, {600, 148, 129, 41}, {600, 148, 81, 41}}}},
    ArrangedControl{Piece::Legend, 70, {{Unchanged, Unchanged, {608, 148, 35, 15}}}},
};

// LblTit(52) "Backspace" has no room on the narrow Backspace key.
inline constexpr int BackspaceLegend = 52;
inline constexpr std::array<bool, ArrangementCount> BackspaceLegendShown{true, false, true};

// Keys whose rest positions are read again after every arrangement choice, in this order.
inline constexpr std::array ArrangedKeys{8, 92, 3};
