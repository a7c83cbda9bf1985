#pragma once
// The rules for a practice text all at once, put as plainly as they read: the oracle the
// streaming TextDecoder is checked against.
#include "content/TextDecoder.h"
#include "exercise/TrimSpaces.h"
#include <QStringDecoder>
#include <array>
#include <optional>

namespace reference {
inline std::optional<QStringConverter::Encoding> Utf16ByNuls(QByteArrayView bytes)
{
    std::array<qsizetype, 2> nuls{};
    for (qsizetype i = 0; i < bytes.size(); ++i)
        nuls[i % 2] += bytes[i] == '\0';
    const qsizetype pairs = bytes.size() / 2;
    if (nuls[1] * 2 >= pairs && nuls[0] * 4 < pairs)
        return QStringConverter::Utf16LE;
    if (nuls[0] * 2 >= pairs && nuls[1] * 4 < pairs)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

inline bool OnlyTwoByteUtf8(QStringView text)
{
    bool twoByte = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x800)
            return false;
        twoByte = twoByte || c.unicode() >= 0x80;
    }
    return twoByte;
}

inline std::optional<QString> DecodeWithoutError(QStringDecoder&& decoder, QByteArrayView bytes)
{
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The text, NULs still in it; nothing when it needs a Big5 codec this build lacks.
inline std::optional<QString> Decode(QByteArrayView all, const char* big5Codec)
{
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

inline PracticeLines Lines(QByteArrayView bytes, const char* big5Codec)
{
    PracticeLines result;
    const std::optional<QString> text = Decode(bytes, big5Codec);
    if (!text) {
        result.status = PracticeLines::Status::Big5CodecMissing;
        return result;
    }
    qsizetype kept = 0;
    for (qsizetype start = 0; start <= text->size();) {
        qsizetype end = start;
        while (end < text->size() && text->at(end) != u'\r' && text->at(end) != u'\n')
            ++end;
        if (end - start > kMaxLineChars)
            return {};
        const QString line = TrimSpaces(text->mid(start, end - start).remove(QChar(u'\0'))).toString();
        start = end + 1;
        if (line.isEmpty())
            continue;
        kept += line.size();
        if (result.lines.size() == kMaxPracticeLines || kept > kMaxTextChars)
            return {};
        result.lines.append(line);
    }
    result.status = PracticeLines::Status::Loaded;
    return result;
}
} // namespace reference
