#include "content/TextDecoder.h"
#include "platform/TrimSpaces.h"
#include <QStringDecoder>
#include <optional>

// One way of reading the bytes and the lines it gives so far.
class TextDecoder::Reading {
public:
    // cutOffDropped: a character cut off at the end is dropped, not an error.
    explicit Reading(QStringConverter::Encoding encoding, bool cutOffDropped = false)
        : decoder_(encoding, encoding == QStringConverter::Utf8 ? Utf8Flags : QStringConverter::Flag::Default),
          utf8_(encoding == QStringConverter::Utf8), cutOffDropped_(cutOffDropped)
    {
    }
    explicit Reading(const char* codec) : decoder_(codec) {}

    bool isValid() const { return decoder_.isValid(); }
    bool hasError() const { return error_; }

    // The characters of the next bytes. Qt's UTF-8 decoder loses characters when an invalid
    // sequence is split between two calls, so UTF-8 is decoded in pieces that end before the
    // byte starting the last sequence, where the decoder starts afresh anyway; the rest waits
    // for the next bytes. The other decoders keep the state of a character cut in two.
    QString decode(QByteArrayView bytes, bool last = false)
    {
        if (!utf8_) {
            const QString chars = decoder_(bytes);
            // A character cut off at the end is an error, which a decoder only sees when more follows.
            if (last)
                const QString after = decoder_(QByteArrayView("\n")); // decodes once converted
            error_ = error_ || decoder_.hasError();
            return chars;
        }
        pending_.append(bytes);
        const qsizetype piece = last && !cutOffDropped_ ? pending_.size() : startOfLastSequence(pending_);
        QString chars = decoder_(QByteArrayView(pending_).first(piece));
        error_ = error_ || decoder_.hasError();
        pending_.remove(0, piece);
        if (last && !pending_.isEmpty())
            chars += QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(pending_);
        // Being stateless, the decoder would drop a mark at the start of every piece, so it keeps
        // them and only the one at the start of the text goes, as when decoding a file whole.
        if (!started_ && !chars.isEmpty()) {
            started_ = true;
            if (chars.front() == QChar::ByteOrderMark)
                chars.remove(0, 1);
        }
        return chars;
    }

    void add(QStringView chars)
    {
        if (failed())
            return;
        for (qsizetype i = 0; i < chars.size(); ++i) {
            const qsizetype run = i;
            while (i < chars.size() && chars[i] != u'\r' && chars[i] != u'\n' && chars[i] != u'\0')
                ++i;
            line_.append(chars.sliced(run, i - run));
            lineChars_ += i - run;
            if (i < chars.size() && chars[i] == u'\0')
                ++lineChars_;
            // Checked as the line grows, so that an endless one is given up early.
            if (lineChars_ > MaxLineChars)
                return fail(PracticeLines::Status::LineTooLong);
            if (i < chars.size() && chars[i] != u'\0')
                endLine();
        }
    }
    // Blank lines are dropped, so CR LF needs no pairing: the empty line between them vanishes.
    void endLine()
    {
        if (failed())
            return;
        const QStringView line = trimSpaces(line_);
        if (!line.isEmpty()) {
            if (lines_.size() == MaxPracticeLines)
                return fail(PracticeLines::Status::TooManyLines);
            if (textChars_ + line.size() > MaxTextChars)
                return fail(PracticeLines::Status::TextTooLong);
            textChars_ += line.size();
            lines_.append(line.toString());
        }
        line_.truncate(0);
        lineChars_ = 0;
    }
    bool failed() const { return failure_.has_value(); }
    PracticeLines::Status failure() const { return *failure_; }
    QStringList takeLines() { return std::move(lines_); }

private:
    static qsizetype startOfLastSequence(QByteArrayView bytes)
    {
        for (qsizetype i = bytes.size() - 1; i >= 0 && i >= bytes.size() - 4; --i) {
            const auto byte = static_cast<uchar>(bytes[i]);
            if ((byte & 0xC0) != 0x80)
                return byte >= 0xC0 ? i : bytes.size();
        }
        return bytes.size();
    }
    static constexpr auto Utf8Flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    void fail(PracticeLines::Status why)
    {
        failure_ = why;
        lines_ = {};
        line_ = {};
    }

    QStringDecoder decoder_; // an ICU one must not move once in use
    bool utf8_ = false;
    bool cutOffDropped_ = false;
    QByteArray pending_;
    bool started_ = false;
    bool error_ = false;

    QStringList lines_;
    QString line_;             // the line being read, without its NULs
    qsizetype lineChars_ = 0;  // its characters as read
    qsizetype textChars_ = 0;  // in lines_
    std::optional<PracticeLines::Status> failure_;
};

TextDecoder::TextDecoder(const char* big5Codec) : big5Codec_(big5Codec) {}

TextDecoder::~TextDecoder() = default;

bool TextDecoder::feed(QByteArrayView bytes)
{
    for (const char byte : bytes)
        nuls_[size_++ % 2] += byte == '\0';
    if (begun_) {
        decode(bytes);
    } else {
        head_.append(bytes);
        if (head_.size() < 3)
            return true;
        begin();
    }
    return !settled();
}

void TextDecoder::begin()
{
    begun_ = true;
    const QByteArrayView head(head_);
    const struct {
        QByteArrayView mark;
        Encoding encoding;
        QStringConverter::Encoding qt;
    } marks[] = {{"\xEF\xBB\xBF", Utf8, QStringConverter::Utf8},
                 {"\xFF\xFE", Utf16LE, QStringConverter::Utf16LE},
                 {"\xFE\xFF", Utf16BE, QStringConverter::Utf16BE}};
    for (const auto& m : marks) {
        if (head.startsWith(m.mark)) {
            byteOrderMark_ = true;
            readings_[m.encoding] = std::make_unique<Reading>(m.qt, true);
            decode(head.sliced(m.mark.size()));
            head_.clear();
            return;
        }
    }
    readings_[Utf8] = std::make_unique<Reading>(QStringConverter::Utf8);
    readings_[Utf16LE] = std::make_unique<Reading>(QStringConverter::Utf16LE);
    readings_[Utf16BE] = std::make_unique<Reading>(QStringConverter::Utf16BE);
    readings_[Big5] = std::make_unique<Reading>(big5Codec_);
    if (!readings_[Big5]->isValid()) {
        readings_[Big5].reset();
        big5Missing_ = true;
    }
    decode(head);
    head_.clear();
}

void TextDecoder::decode(QByteArrayView bytes, bool last)
{
    for (std::size_t e = 0; e < readings_.size(); ++e) {
        Reading* reading = readings_[e].get();
        if (!reading)
            continue;
        const QString chars = reading->decode(bytes, last);
        if (e == Utf8 && !byteOrderMark_) {
            // Invalid UTF-8 can no longer be the choice; its flags are no use then.
            if (reading->hasError()) {
                readings_[e].reset();
                continue;
            }
            for (const QChar c : chars) {
                utf8NonAscii_ = utf8NonAscii_ || c.unicode() >= 0x80;
                utf8Beyond07FF_ = utf8Beyond07FF_ || c.unicode() >= 0x800;
            }
        }
        reading->add(chars);
    }
}

// Every reading that may still be chosen has failed. Without the Big5 codec a text that may be
// Big5 is read to its end: only then is it known whether it is refused for the codec.
bool TextDecoder::settled() const
{
    if (!begun_ || big5Missing_)
        return false;
    for (const auto& reading : readings_)
        if (reading && !reading->failed())
            return false;
    return true;
}

TextDecoder::Encoding TextDecoder::chosen() const
{
    if (byteOrderMark_) {
        for (std::size_t e = 0; e < readings_.size(); ++e)
            if (readings_[e])
                return Encoding(e);
    }
    const qint64 pairs = size_ / 2;
    // Both sides full of NULs is padding or an empty sparse file, not UTF-16.
    if (nuls_[1] * 2 >= pairs && nuls_[0] * 4 < pairs)
        return Utf16LE;
    if (nuls_[0] * 2 >= pairs && nuls_[1] * 4 < pairs)
        return Utf16BE;
    const bool utf8 = readings_[Utf8] != nullptr;
    if (utf8 && !(utf8NonAscii_ && !utf8Beyond07FF_))
        return Utf8;
    if (big5Missing_)
        return EncodingCount;
    if (!utf8)
        return Big5;
    return readings_[Big5]->hasError() ? Utf8 : Big5;
}

PracticeLines TextDecoder::finish()
{
    PracticeLines text;
    if (!begun_)
        begin();
    decode({}, true);
    const Encoding encoding = chosen();
    if (encoding == EncodingCount) {
        text.status = PracticeLines::Status::Big5CodecMissing;
        return text;
    }
    Reading& reading = *readings_[encoding];
    reading.endLine();
    if (reading.failed()) {
        text.status = reading.failure();
        return text;
    }
    text.lines = reading.takeLines();
    return text;
}

PracticeLines decodePracticeText(QByteArrayView bytes, const char* big5Codec)
{
    TextDecoder decoder(big5Codec);
    decoder.feed(bytes);
    return decoder.finish();
}
