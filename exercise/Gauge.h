#pragma once

// The two gauge boxes measure their bars in twips, 4000 being the full inner width.
inline constexpr int GaugeFullTwips = 4000;

// Pixel width of a bar inside a box whose inner width is innerPixels; bars longer than the
// box keep their length and are clipped by it.
constexpr int gaugePixels(int twips, int innerPixels)
{
    return static_cast<int>((static_cast<long long>(twips) * innerPixels + GaugeFullTwips / 2) / GaugeFullTwips);
}
