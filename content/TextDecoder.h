#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <memory>

// Most non-blank lines a practice text may hold.
inline constexpr qsizetype MaxPracticeLines = 2000;

// A text is read whatever its size, so these bounds keep a hostile file cheap to refuse. Both
// lie far above the 32,767 characters the window can lay out.
// - A line may take 1 Mi characters as read (spaces and NULs included): a file without line
//   ends, one endless line or gigabytes of NULs, is refused after at most 2 MiB are read.
// - Its non-blank lines may take 4 Mi characters together, 2000 lines of 2000 characters:
//   even with every encoding still in play, reading holds a few tens of megabytes at most.
inline constexpr qsizetype MaxLineChars = qsizetype(1) << 20;
inline constexpr qsizetype MaxTextChars = qsizetype(1) << 22;

// Qt's name of code page 950 (Big5), the encoding the practice files were written in. ICU's
// Windows table: "cp950" is an IBM variant that disagrees on several characters.
inline constexpr char Big5Codec[] = "windows-950";

struct PracticeLines {
    // Why a text is refused. Big5CodecMissing: it is (or may be) Big5 and this build cannot
    // decode it. The others: more than MaxPracticeLines non-blank lines, a line of more than
    // MaxLineChars, non-blank lines of more than MaxTextChars together.
    enum class Status { Loaded, Big5CodecMissing, TooManyLines, LineTooLong, TextTooLong };
    Status status = Status::Loaded;
    QStringList lines; // Loaded only
};

// Turns the bytes of a practice text, as they arrive, into its non-blank lines, trimmed of
// spaces (not tabs), in order. CR, LF and CR LF each end a line; NUL characters are dropped
// (no key types them). The encoding depends on every byte:
// - a byte-order mark selects UTF-8, UTF-16LE or UTF-16BE and is dropped;
// - without one, taking the bytes in pairs, NULs in at least half of the second bytes and under
//   a quarter of the first mark UTF-16LE (the other way round, BE): English text in UTF-16 has
//   a NUL beside each letter;
// - bytes that are valid UTF-8 read as UTF-8, unless every non-ASCII character they give is a
//   2-byte one (U+0080 to U+07FF) and they are also valid Big5: Chinese in UTF-8 takes 3 bytes
//   a character, while many Big5 characters happen to form 2-byte UTF-8 sequences;
// - anything else reads as Big5, with the codec named big5Codec.
// So every reading still possible is kept up, and feed() tells when all of them have failed.
class TextDecoder {
public:
    explicit TextDecoder(const char* big5Codec = Big5Codec);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // Takes the next bytes; false once no further byte can change the outcome (Failed).
    bool feed(QByteArrayView bytes);
    // The outcome, once every byte has been fed or feed() has returned false.
    PracticeLines finish();

private:
    class Reading;
    enum Encoding { Utf8, Utf16LE, Utf16BE, Big5, EncodingCount };

    void begin();
    void decode(QByteArrayView bytes, bool last = false);
    bool settled() const;
    Encoding chosen() const;

    const char* big5Codec_;
    QByteArray head_; // the first bytes, until a byte-order mark can be told
    bool begun_ = false;
    bool byteOrderMark_ = false;
    bool big5Missing_ = false;
    std::array<std::unique_ptr<Reading>, EncodingCount> readings_;
    std::array<qint64, 2> nuls_{}; // in the first, in the second byte of each pair
    qint64 size_ = 0;
    bool utf8NonAscii_ = false;   // a UTF-8 character of 2 or more bytes
    bool utf8Beyond07FF_ = false; // one of 3 or more
};

// The same for bytes that are all at hand.
PracticeLines decodePracticeText(QByteArrayView bytes, const char* big5Codec = Big5Codec);
