#pragma once
#include <QString>
#include <QtGlobal>

// The exercise clock as the window shows it: "h:m:s" without leading zeros (0:1:5).
QString clockCaption(qint64 elapsedSeconds);

// Width in twips of the speed bar: the full 4000-twip box at `level` right keys a second,
// longer (and clipped by the box) when faster. Needs at least one second.
int speedBarTwips(qint32 rightCount, qint32 elapsedSeconds, int level);

inline constexpr int SpeedLevels = 4;          // optClass(0..3): 1 to 4 keys a second
inline constexpr int StartSpeedLevel = 3;      // "一般"
