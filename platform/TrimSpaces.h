#pragma once
#include <QStringView>

// The text without leading and trailing spaces. Only the space character counts: a tab is
// a character to type.
QStringView trimSpaces(QStringView text);
