#include "dialogs/ChooserResult.h"
#include <gtest/gtest.h>

// The chooser's tests close it every way, in a folder of their own; no file is made at the root.
TEST(ChooserResult, AFileAtTheRootTakesOneSeparator)
{
    ChooserResult result(QStringLiteral("/old/x.txt"));
    result.choose("/", "a.txt");
    EXPECT_EQ(result.textFilePath(), "/a.txt");
}
