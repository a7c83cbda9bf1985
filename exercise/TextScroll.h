#pragma once

// Scrolling of the text picture `picWd` inside the text window `picWindow`. The scroll bar's
// value is how many pixels the text is scrolled up; its minimum is 0.
namespace TextScroll {

inline constexpr int RowHeight = 52;       // a display row with its typing cells
inline constexpr int SmallChange = 26;     // one click on an arrow: half a row

// Largest value: the text's height beyond the window; 0 when the text fits.
int maximumValue(int textHeight, int windowHeight);

// The value that brings a row into view: just inside the bottom edge when the row lay below
// the window, at the top edge when it lay above, unchanged when it was visible.
// textTop is the text's top within the window (its home top minus the value).
int valueShowingRow(int value, int maximum, int textTop, int rowTop, int windowHeight);

} // namespace TextScroll
