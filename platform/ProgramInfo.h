#pragma once
#include <QString>

// The program's name as every window caption and message box shows it.
inline QString ProgramTitle() { return QStringLiteral("Kelmora英打練習"); }
