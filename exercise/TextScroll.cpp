#include "exercise/TextScroll.h"
#include <algorithm>
#include <cstdlib>

namespace TextScroll {

int maximumValue(int textHeight, int windowHeight)
{
    return std::max(0, textHeight - windowHeight);
}

int valueShowingRow(int value, int maximum, int textTop, int rowTop, int windowHeight)
{
    const int rowOnScreen = textTop + rowTop;
    if (rowOnScreen + RowHeight > windowHeight) {
        const int overshoot = rowOnScreen + RowHeight - windowHeight;
        return std::abs(value + overshoot) > maximum ? maximum : value + overshoot;
    }
    if (rowOnScreen < 0)
        return value - std::abs(rowOnScreen);
    return value;
}

} // namespace TextScroll
