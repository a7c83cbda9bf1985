#include "content/TextDecoder.h"
#include "exercise/TrimSpaces.h"
#include <QStringDecoder>
#include <QStringView>

namespace {
QString Decode(QStringDecoder&& decoder, const QByteArray& bytes, qsizetype skip)
{
    return decoder(QByteArrayView(bytes).sliced(skip));
}
} // namespace

QString DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Decode(QStringDecoder(QStringConverter::Utf8), bytes, 3);
    if (bytes.startsWith("\xFF\xFE"))
        return Decode(QStringDecoder(QStringConverter::Utf16LE), bytes, 2);
    if (bytes.startsWith("\xFE\xFF"))
        return Decode(QStringDecoder(QStringConverter::Utf16BE), bytes, 2);

    // Stateless, so a sequence cut off at the end counts as an error instead of being held back.
    // Pure ASCII reads the same in UTF-8 and in code page 950.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // ICU's Windows table: "cp950" is an IBM variant that disagrees on several characters.
    return Decode(QStringDecoder("windows-950"), bytes, 0);
}

QStringList SplitPracticeLines(const QString& text, bool* tooMany)
{
    if (tooMany)
        *tooMany = false;
    QStringList lines;
    const QStringView all(text);
    // Blank lines are dropped, so CR LF needs no pairing: the empty line between them vanishes.
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView line = TrimSpaces(all.sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty())
            continue;
        if (lines.size() == kMaxPracticeLines) {
            if (tooMany)
                *tooMany = true;
            return {};
        }
        lines.append(line.toString());
    }
    return lines;
}
