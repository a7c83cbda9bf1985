#include "content/PassageCatalogue.h"
#include <gtest/gtest.h>

TEST(PassageCatalogue, EveryPassageOpensRightIsNearItsLengthAndTypeable)
{
    struct Shape {
        int length;
        const char* opening;
    };
    constexpr Shape Shapes[] = {
        {508, "Thou hast made me endless,"},      {568, "When thou commandest me to sing"},
        {472, "I know not how thou singest,"},    {508, "Life of my life, I shall"},
        {508, "I ask for a moment's indulgence"}, {389, "Pluck this little flower and take"},
        {375, "My song has put off her"},         {455, "The child who is decked with"},
        {362, "O Fool, try to carry thyself"},    {478, "Here is thy footstool and there"},
        {782, "Leave this chanting and singing and"}, {737, "The time that my journey takes"},
        {623, "The song that I came to"},         {645, "My desires are many and my"},
        {386, "I am here to sing thee"},          {322, "I have had my invitation to"},
        {562, "I am only waiting for love"},      {449, "Clouds heap upon clouds and it"},
    };
    ASSERT_EQ(PassageCount, 18);
    for (int n = 1; n <= PassageCount; ++n) {
        const QString passage = PassageText(n).chopped(1);
        EXPECT_TRUE(passage.startsWith(QLatin1String(Shapes[n - 1].opening))) << n;
        EXPECT_LE(qAbs(passage.size() - Shapes[n - 1].length) * 50, Shapes[n - 1].length) << n << ": " << passage.size();
        for (QChar c : passage)
            EXPECT_TRUE(c.unicode() >= 32 && c.unicode() <= 126 && c != u'"') << n << ": " << int(c.unicode());
    }
    EXPECT_EQ(PassageCaption(18), u"18_QuorlanGITANJALI_頌歌詩選");
    for (int n : {0, 19}) {
        EXPECT_EQ(PassageText(n), u" ");
        EXPECT_TRUE(PassageCaption(n).isEmpty());
    }
}
