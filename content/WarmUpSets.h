#pragma once

#include <QString>
#include <QStringList>
#include <span>

// One of the classroom warm-ups of the "教室暖身" menu: Chinese heading lines (shown, not
// typed) between plain-ASCII practice lines.
struct WarmUpSet {
    const char* menuName;           // object name of its menu item
    const char16_t* menuCaption;
    const char16_t* captionSuffix;  // appended to the window caption; begins with "_"
    std::span<const char16_t* const> lines;
};

constexpr int WarmUpSetCount = 3;

// Set 0..2 in menu order; the index must be in range.
const WarmUpSet& warmUpSetAt(int index);

// The set's lines in order, line 1 first; empty for an index outside 0..2.
QStringList warmUpLines(int index);
QString warmUpMenuName(int index);
QString warmUpMenuCaption(int index);
QString warmUpCaptionSuffix(int index);
