#pragma once
// The rules for a practice text all at once, put as plainly as they read: the oracle the
// streaming TextDecoder is checked against.
#include "content/TextDecoder.h"
#include "platform/TrimSpaces.h"
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace reference {
// The text, NULs still in it; nothing when it needs a Big5 codec this build lacks.
inline std::optional<QString> decode(QByteArrayView all, const char* big5Codec)
{
    using enum QStringConverter::Encoding;
    if (all.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(Utf8)(all.sliced(3));
    if (all.startsWith("\xFF\xFE"))
        return QStringDecoder(Utf16LE)(all.sliced(2));
    if (all.startsWith("\xFE\xFF"))
        return QStringDecoder(Utf16BE)(all.sliced(2));
    qsizetype nuls[2] = {};
    for (qsizetype i = 0; i < all.size(); ++i)
        nuls[i % 2] += all[i] == '\0';
    const qsizetype pairs = all.size() / 2;
    for (const int second : {1, 0})
        if (nuls[second] * 2 >= pairs && nuls[1 - second] * 4 < pairs)
            return QStringDecoder(second ? Utf16LE : Utf16BE)(all);
    constexpr auto Stateless = QStringConverter::Flag::Stateless;
    QStringDecoder utf8Decoder{Utf8, Stateless};
    const QString utf8 = utf8Decoder(all);
    const bool isUtf8 = !utf8Decoder.hasError();
    const bool onlyTwoByte = std::all_of(utf8.begin(), utf8.end(), [](QChar c) { return c.unicode() < 0x800; })
        && std::any_of(utf8.begin(), utf8.end(), [](QChar c) { return c.unicode() >= 0x80; });
    if (isUtf8 && !onlyTwoByte)
        return utf8;
    QStringDecoder big5(big5Codec, Stateless);
    if (!big5.isValid())
        return std::nullopt;
    const QString text = big5(all);
    return isUtf8 && big5.hasError() ? utf8 : text;
}

inline PracticeLines practiceLines(QByteArrayView bytes, const char* big5Codec)
{
    std::optional<QString> text = decode(bytes, big5Codec);
    if (!text)
        return {PracticeLines::Status::Big5CodecMissing, {}};
    PracticeLines result;
    qsizetype kept = 0;
    for (const QStringView read : QStringView(text->replace(u'\r', u'\n')).tokenize(u'\n')) {
        if (read.size() > MaxLineChars)
            return {PracticeLines::Status::LineTooLong, {}};
        const QString line = trimSpaces(read.toString().remove(QChar(u'\0'))).toString();
        if (line.isEmpty())
            continue;
        if (result.lines.size() == MaxPracticeLines)
            return {PracticeLines::Status::TooManyLines, {}};
        kept += line.size();
        if (kept > MaxTextChars)
            return {PracticeLines::Status::TextTooLong, {}};
        result.lines.append(line);
    }
    return result;
}
} // namespace reference
