#pragma once
#include <array>
#include <span>

// The two Chinese design faces cut down at build time to the characters the interface shows
// (subset_fonts.py beside this file): Kelmora Ming from AR PL UMing TW, Kelmora Kai from
// AR PL UKai TW. The data lives in the program image and is never copied.
struct SubsetFont {
    const char16_t* family;
    std::span<const unsigned char> data;
};
const std::array<SubsetFont, 2>& subsetFonts();
