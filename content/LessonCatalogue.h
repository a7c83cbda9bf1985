#pragma once

#include <QString>

// The 18 key-position lessons of the "基本鍵位熟悉課程" menu, numbered from 1.
constexpr int LessonCount = 18;

// Menu caption of lesson 1..18; an empty string for any other number.
QString lessonCaption(int number);

// Drill text of lesson 1..18 followed by one space, the single line handed to the layout;
// " " for any other number.
QString LessonText(int number);
