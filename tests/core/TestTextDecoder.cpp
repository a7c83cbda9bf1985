#include "content/TextDecoder.h"
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {
QStringList Lines(const char* text)
{
    return SplitPracticeLines(QString::fromLatin1(text), nullptr);
}
QByteArray Encode(QStringEncoder&& encoder, const char* text)
{
    return encoder(QString::fromUtf8(text));
}
} // namespace

TEST(TextDecoder, EveryLineEndEndsOneLineAndTheLastNeedsNone)
{
    const QStringList expected{"ab c", "d"};
    for (const char* text : {"ab c\rd", "ab c\r\nd\r\n", "ab c\nd\n", "ab c\n\rd\r"})
        EXPECT_EQ(Lines(text), expected) << text;
    EXPECT_EQ(Lines("x\ry\r\nz\nw"), (QStringList{"x", "y", "z", "w"}));
}

TEST(TextDecoder, IndentsAndBlankLinesDropOutButTabsStay)
{
    EXPECT_EQ(Lines("  one  two \r\n\r\n   \r\n two\n\n"), (QStringList{"one  two", "two"}));
    EXPECT_EQ(Lines("a\n\t\n \tb\t "), (QStringList{"a", "\t", "\tb\t"}));
    EXPECT_TRUE(Lines("").isEmpty());
    EXPECT_TRUE(Lines(" \r\n  \n\r").isEmpty());
}

// Without the codec, only what is or may be Big5 fails to decode. The Big5 rows also fail when
// this build lacks the codec.
TEST(TextDecoder, EachEncodingReadsAsWrittenAndOnlyBig5NeedsTheCodec)
{
    using enum QStringConverter::Encoding;
    constexpr auto kBom = QStringConverter::Flag::WriteBom;
    const struct {
        QByteArray bytes;
        const char* text;
        bool needsCodec;
    } cases[] = {
        {Encode(QStringEncoder(kBig5Codec), "第一課 英打\r\nasdf"), "第一課 英打\r\nasdf", true},
        // Big5 bytes that are also valid UTF-8 ("½Ķ", "§²¾ùĬ"), beside English.
        {Encode(QStringEncoder(kBig5Codec), "翻譯\r\nthe cat"), "翻譯\r\nthe cat", true},
        {Encode(QStringEncoder(kBig5Codec), "禮簡職羅蘇 a"), "禮簡職羅蘇 a", true},
        // UTF-8 that is also valid Big5 but holds a 3-byte character; 2-byte ones invalid in Big5.
        {Encode(QStringEncoder(Utf8), "一a ½"), "一a ½", false},
        {Encode(QStringEncoder(Utf8), "\xC3\x80 la"), "\xC3\x80 la", true},
        {Encode(QStringEncoder(Utf8, kBom), "\xC3\xA9"), "\xC3\xA9", false},
        {Encode(QStringEncoder(Utf16LE, kBom), "翻譯"), "翻譯", false}, // no NULs to go by
        {Encode(QStringEncoder(Utf16BE, kBom), "翻譯"), "翻譯", false},
        {Encode(QStringEncoder(Utf16LE), "第一課\r\nthe cat"), "第一課\r\nthe cat", false},
        {Encode(QStringEncoder(Utf16BE), "第一課\r\nthe cat"), "第一課\r\nthe cat", false},
        // NULs drop out; NULs padding a text on both sides do not make it UTF-16.
        {QByteArray("a\0b\0\0c\xA4\x40", 8), "abc一", true},
        {QByteArray("a\0b\0\0c", 6), "abc", false},
        {QByteArray("the cat").append(16, '\0'), "the cat", false},
        // A stray continuation byte and a sequence cut off at the end are not UTF-8.
        {"\xA4\x40 a", "一 a", true},
        {"ab\xE4\xB8", "ab銝", true},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(DecodeText(c.bytes), text) << c.bytes.toHex(' ').constData();
        EXPECT_EQ(DecodeText(c.bytes, "no-such-codec"), c.needsCodec ? std::nullopt : std::optional(text))
            << c.bytes.toHex(' ').constData();
    }
}
