#include "content/WarmUpSets.h"

#include <QtGlobal>
#include <array>

namespace {
constexpr std::array<const char16_t*, 12> WebAddressLines{
    u"1.Google網址",
    u"www.google.com google.com google.com",
    u"2.Hinet 部落格 網址",
    u"www.hinet.net hinet.net hinet.net",
    u"3.雅虎奇摩",
    u"tw.yahoo.com tw.yahoo.com tw.yahoo.com",
    u"4.完整網址練習",
    u"http://www.google.com.tw/",
    u"http://www.hinet.net/",
    u"http://tw.yahoo.com/",
    u"5.英文字母小寫順序+做得好！",
    u"abcdefghijklmnopqrstuvwxyz+Well Done!",
};

// No heading 2: the numbering 1, 3, 4, 5 is deliberate, not a gap to fill.
constexpr std::array<const char16_t*, 11> AlphabetLines{
    u"1.英文字母小寫順序",
    u"abcdefghijklmnopqrstuvwxyz",
    u"3.英文字母大寫順序",
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    u"4.網址練習_雅虎 _Google",
    u"http://tw.yahoo.com/",
    u"http://www.google.com/",
    u"5.電子郵件信箱",
    u"tc582016@hinet.net",
    u"mei-li_7@yahoo.com.tw",
    u"kmw3817@gmail.com",
};

constexpr std::array<const char16_t*, 9> MailAddressLines{
    u"yahoo信箱位址練打",
    u"@yahoo.com.tw @yahoo.com.tw",
    u"tiger12345@yahoo.com.tw",
    u"happy20150611@yahoo.com.tw",
    u"catanddog123456@yahoo.com.tw",
    u"rabbit0707@yahoo.com.tw",
    u"elephant52011@yahoo.com.tw",
    u"sunandmoon1234@yahoo.com.tw",
    u"cheerful998877@yahoo.com.tw",
};

constexpr std::array<WarmUpSet, WarmUpSetCount> WarmUpSets{{
    {"mnuCR2", u"網址練打", u"_三四年級網址練打熱身", WebAddressLines},
    {"mnuCR3", u"三四年級", u"_三四年級大小寫課前熱身", AlphabetLines},
    {"mnuCR4", u"Yahoo信箱_練習", u"_yahoo信箱位址練打", MailAddressLines},
}};

bool inRange(int index)
{
    return index >= 0 && index < WarmUpSetCount;
}
} // namespace

const WarmUpSet& warmUpSetAt(int index)
{
    Q_ASSERT(inRange(index));
    return WarmUpSets[index];
}

QStringList warmUpLines(int index)
{
    if (!inRange(index))
        return {};
    QStringList lines;
    for (const char16_t* line : WarmUpSets[index].lines)
        lines.append(QString::fromUtf16(line));
    return lines;
}

QString warmUpMenuName(int index)
{
    return inRange(index) ? QString::fromLatin1(WarmUpSets[index].menuName) : QString();
}

QString warmUpMenuCaption(int index)
{
    return inRange(index) ? QString::fromUtf16(WarmUpSets[index].menuCaption) : QString();
}

QString warmUpCaptionSuffix(int index)
{
    return inRange(index) ? QString::fromUtf16(WarmUpSets[index].captionSuffix) : QString();
}
