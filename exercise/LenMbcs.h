#pragma once
#include <QString>

// Bytes the text takes in code page 950 (Big5). A line whose byte count differs from its
// length holds a double-byte character and is shown as a heading, not typed.
int LenMbcs(const QString& text);
