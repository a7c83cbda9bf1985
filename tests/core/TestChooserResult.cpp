#include "dialogs/ChooserResult.h"
#include <gtest/gtest.h>

TEST(ChooserResult, CancelRestoresThePathFromBeforeWhileOkAndCloseBoxKeepTheLastClick)
{
    QString path;  // nothing chosen yet in this run
    ChooserResult first(path);
    first.fileClicked(QStringLiteral("/home/pupil"), QStringLiteral("a.txt"));
    first.ok();
    EXPECT_EQ(path.toStdString(), "/home/pupil/a.txt");
    first.cancel();
    EXPECT_TRUE(path.isEmpty());

    ChooserResult second(path = QStringLiteral("/old/b.txt"));
    second.closeBox();
    EXPECT_EQ(path.toStdString(), "/old/b.txt");
    second.fileClicked(QStringLiteral("/"), QStringLiteral("c.txt"));
    second.closeBox();
    EXPECT_EQ(path.toStdString(), "/c.txt") << "a volume root gets no second separator";
    second.cancel();
    EXPECT_EQ(path.toStdString(), "/old/b.txt");
}
