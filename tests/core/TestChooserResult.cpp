#include "dialogs/ChooserResult.h"
#include <gtest/gtest.h>

TEST(ChooserResult, TheLastFileChosenOrAfterCancelThePathFromBefore)
{
    ChooserResult result(QStringLiteral("/old/x.txt"));
    EXPECT_EQ(result.textFilePath(), "/old/x.txt") << "nothing chosen yet";
    result.choose("/", "a.txt");
    EXPECT_EQ(result.textFilePath(), "/a.txt") << "one separator after the root";
    result.choose("/home/pupil", "b c.txt");
    EXPECT_EQ(result.textFilePath(), "/home/pupil/b c.txt");
    result.cancel();
    EXPECT_EQ(result.textFilePath(), "/old/x.txt");
}
