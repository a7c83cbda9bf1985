#pragma once
#include <QString>

// The window caption while a text is loaded: the program's name, then what was chosen.
QString CaptionForMenuItem(const QString& itemCaption);   // lesson or passage: "_" + caption
QString CaptionForWarmUp(const QString& suffix);          // suffix already begins with "_"
QString CaptionForFile(const QString& fileName);          // "__" + file name
