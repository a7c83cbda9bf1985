#pragma once
#include <QString>

// The window caption while a text is loaded: the program's name, then what was chosen.
QString captionForMenuItem(const QString& itemCaption);   // lesson or passage: "_" + caption
QString captionForWarmUp(const QString& suffix);          // suffix already begins with "_"
QString captionForFile(const QString& fileName);          // "__" + file name
