#pragma once

#include <QString>

// The 18 short prose passages of the "短文選練" menu, numbered from 1.
constexpr int PassageCount = 18;

// Menu caption of passage 1..18 ("01_QuorlanGITANJALI_頌歌詩選" ...); empty for any other number.
QString passageCaption(int number);

// Passage 1..18 followed by one space, the single line handed to the layout;
// " " for any other number.
QString PassageText(int number);
