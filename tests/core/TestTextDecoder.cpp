#include "content/TextDecoder.h"
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {
using Status = PracticeLines::Status;

// Whole, and again a byte at a time: a character or a line end split between two reads, or a
// byte-order mark in pieces, must not change the outcome.
PracticeLines decode(QByteArrayView bytes, const char* codec = Big5Codec)
{
    const PracticeLines whole = decodePracticeText(bytes, codec);
    TextDecoder decoder(codec);
    for (qsizetype i = 0; i < bytes.size() && decoder.feed(bytes.sliced(i, 1)); ++i) {}
    const PracticeLines bytewise = decoder.finish();
    EXPECT_EQ(std::pair(bytewise.status, bytewise.lines), std::pair(whole.status, whole.lines))
        << bytes.toByteArray().toHex(' ').constData();
    return whole;
}
QByteArray encode(QStringEncoder&& encoder, const char* text) { return encoder(QString::fromUtf8(text)); }
qint64 bytesTakenBeforeGivingUp(const QByteArray& start, const QByteArray& pattern, Status why)
{
    TextDecoder decoder;
    const QByteArray chunk = pattern.repeated(65536 / pattern.size());
    qint64 fed = start.size();
    for (bool more = decoder.feed(start); more && fed < (qint64(1) << 30); fed += chunk.size())
        more = decoder.feed(chunk);
    EXPECT_EQ(decoder.finish().status, why) << pattern.toHex(' ').constData();
    return fed;
}
} // namespace

// Without the codec, only what is or may be Big5 fails to decode. The Big5 rows also fail when
// this build lacks the codec.
TEST(TextDecoder, EachEncodingReadsAsWrittenEveryLineEndEndsOneLineAndTheTextIsBounded)
{
    using enum QStringConverter::Encoding;
    constexpr auto Bom = QStringConverter::Flag::WriteBom;
    const struct {
        QByteArray bytes;
        const char* lines; // one a line
        bool needsCodec;
    } cases[] = {
        // Blank lines and indents drop out, tabs stay.
        {"x\ry\r\nz\nw\n\rv\r", "x\ny\nz\nw\nv", false},
        {"  one  two \r\n\r\n   \r\n two\n\n", "one  two\ntwo", false},
        {"a\n\t\n \tb\t ", "a\n\t\n\tb\t", false},
        {"", "", false},
        // Big5 bytes that are also valid UTF-8 ("½Ķ"), beside English.
        {encode(QStringEncoder(Big5Codec), "翻譯\r\nthe cat"), "翻譯\nthe cat", true},
        // UTF-8 that is also valid Big5 but holds a 3-byte character; 2-byte ones invalid in Big5.
        {encode(QStringEncoder(Utf8), "一a ½"), "一a ½", false},
        {encode(QStringEncoder(Utf8), "\xC3\x80 la"), "\xC3\x80 la", true},
        {encode(QStringEncoder(Utf8, Bom), "\xC3\xA9"), "\xC3\xA9", false},
        {encode(QStringEncoder(Utf16LE, Bom), "翻譯"), "翻譯", false}, // no NULs to go by
        {encode(QStringEncoder(Utf16BE, Bom), "翻譯"), "翻譯", false},
        {encode(QStringEncoder(Utf16BE), "第一課\r\nthe cat"), "第一課\nthe cat", false},
        // NULs drop out; NULs padding a text on both sides do not make it UTF-16.
        {QByteArray("a\0b\0\0c\xA4\x40", 8), "abc一", true},
        {QByteArray("the cat").append(16, '\0'), "the cat", false},
        {QByteArray("abc\0", 4), "\xE6\x89\xA1" "c", false}, // exactly half is enough: 扡c
        // A stray continuation byte and a sequence cut off at the end are not UTF-8.
        {"\xA4\x40 a", "一 a", true},
        {"ab\xE4\xB8", "ab銝", true},
        // After a mark, each byte of an invalid sequence is replaced, and a cut-off one dropped.
        {"\xEF\xBB\xBF\xF0\x9F\x98" "a\xC3", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "a", false},
    };
    for (const auto& c : cases) {
        const QStringList lines = QString::fromUtf8(c.lines).split(u'\n', Qt::SkipEmptyParts);
        const std::string hex = c.bytes.toHex(' ').toStdString();
        const PracticeLines text = decode(c.bytes), without = decode(c.bytes, "no-such-codec");
        EXPECT_EQ(std::pair(text.status, text.lines), std::pair(Status::Loaded, lines)) << hex;
        EXPECT_EQ(std::pair(without.status, without.lines),
                  c.needsCodec ? std::pair(Status::Big5CodecMissing, QStringList()) : std::pair(Status::Loaded, lines))
            << hex;
    }

    // Lines, their lengths and files without line ends are bounded.
    const QByteArray lines = QByteArray("a\r\n  \r\n").repeated(MaxPracticeLines);
    EXPECT_EQ(decodePracticeText(lines).lines.size(), MaxPracticeLines);

    // A line counts as read, its spaces and NULs included.
    const QByteArray longest = " " + QByteArray(MaxLineChars - 2, 'x') + '\0';
    EXPECT_EQ(decodePracticeText(longest + "\n").lines, QStringList(QString(MaxLineChars - 2, u'x')));
    EXPECT_EQ(decodePracticeText(longest + " ").status, Status::LineTooLong);
    const QByteArray part = QByteArray(MaxTextChars / 4, 'y') + "\r\n";
    EXPECT_EQ(decodePracticeText(part.repeated(4)).status, Status::Loaded);
    EXPECT_EQ(decodePracticeText(part.repeated(4) + "z").status, Status::TextTooLong);

    // Reading stops soon, whatever follows: an endless line, NULs, line after line.
    constexpr qint64 soon = 2 * MaxLineChars + 2 * 65536;
    // Given up early, the reason is the one of the reading that the bytes so far look like.
    EXPECT_LE(bytesTakenBeforeGivingUp({}, "x", Status::LineTooLong), soon);
    EXPECT_LE(bytesTakenBeforeGivingUp({}, QByteArray(1, '\0'), Status::LineTooLong), soon);
    EXPECT_LE(bytesTakenBeforeGivingUp("\xFF\xFE", QByteArray("x\0", 2), Status::LineTooLong), soon);
    EXPECT_LE(bytesTakenBeforeGivingUp({}, "a line\r\n", Status::TooManyLines), soon);
}
