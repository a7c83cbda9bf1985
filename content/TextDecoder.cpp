#include "content/TextDecoder.h"
#include "exercise/TrimSpaces.h"
#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <array>

namespace {
std::optional<QStringConverter::Encoding> Utf16ByNuls(QByteArrayView bytes)
{
    std::array<qsizetype, 2> nuls{}; // in the first, in the second byte of each pair
    for (qsizetype i = 0; i < bytes.size(); ++i)
        nuls[i % 2] += bytes[i] == '\0';
    const qsizetype pairs = bytes.size() / 2;
    // Both sides full of NULs is padding or an empty sparse file, not UTF-16.
    if (nuls[1] * 2 >= pairs && nuls[0] * 4 < pairs)
        return QStringConverter::Utf16LE;
    if (nuls[0] * 2 >= pairs && nuls[1] * 4 < pairs)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

bool OnlyTwoByteUtf8(QStringView text)
{
    bool twoByte = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x800)
            return false;
        twoByte = twoByte || c.unicode() >= 0x80;
    }
    return twoByte;
}

// Stateless, so a sequence cut off at the end counts as an error instead of being dropped.
std::optional<QString> DecodeWithoutError(QStringDecoder&& decoder, QByteArrayView bytes)
{
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QString> Decode(const QByteArray& bytes, const char* big5Codec)
{
    const QByteArrayView all(bytes);
    if (all.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringConverter::Utf8)(all.sliced(3));
    if (all.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(all.sliced(2));
    if (all.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(all.sliced(2));
    if (const auto utf16 = Utf16ByNuls(all))
        return QStringDecoder(*utf16)(all);

    constexpr auto kStateless = QStringConverter::Flag::Stateless;
    const std::optional<QString> utf8 =
        DecodeWithoutError(QStringDecoder(QStringConverter::Utf8, kStateless), all);
    if (utf8 && !OnlyTwoByteUtf8(*utf8))
        return utf8;
    QStringDecoder big5(big5Codec, kStateless);
    if (!big5.isValid())
        return std::nullopt;
    if (!utf8)
        return big5(all);
    return DecodeWithoutError(std::move(big5), all).value_or(*utf8);
}
} // namespace

std::optional<QString> DecodeText(const QByteArray& bytes, const char* big5Codec)
{
    std::optional<QString> text = Decode(bytes, big5Codec);
    if (text)
        text->remove(QChar(u'\0'));
    return text;
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
