#include "content/TextFileReader.h"
#include "content/TextDecoder.h"
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

namespace {
// Reads to the end, or gives up once the file proves longer than the cap: some regular files
// (under /proc, for instance) report a size of 0 and never end.
std::optional<QByteArray> ReadCapped(QFile& file, qint64 expectedSize)
{
    std::array<char, 64 * 1024> chunk;
    QByteArray bytes;
    bytes.reserve(expectedSize);
    for (;;) {
        const qint64 wanted =
            std::min<qint64>(chunk.size(), kMaxTextFileBytes + 1 - bytes.size());
        const qint64 got = file.read(chunk.data(), wanted);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(chunk.data(), got);
        if (bytes.size() > kMaxTextFileBytes)
            return std::nullopt;
    }
}
} // namespace

TextFileLoad ReadTextFile(const QString& path, const char* big5Codec)
{
    TextFileLoad load;
    const QFileInfo info(path);
    if (!info.exists()) {
        load.status = TextFileLoad::Status::NotFound;
        return load;
    }
    // Checked before opening: opening a FIFO would block until a writer appears, and a device
    // such as /dev/zero never ends.
    if (!info.isFile() || info.size() > kMaxTextFileBytes)
        return load;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return load;
    const std::optional<QByteArray> bytes = ReadCapped(file, info.size());
    file.close();
    if (!bytes)
        return load;

    const std::optional<QString> text = DecodeText(*bytes, big5Codec);
    if (!text) {
        load.status = TextFileLoad::Status::Big5CodecMissing;
        return load;
    }
    bool tooMany = false;
    load.lines = SplitPracticeLines(*text, &tooMany);
    if (tooMany)
        return load;
    // The whole name: a backslash is an ordinary character in a file name here.
    if (!load.lines.isEmpty())
        load.fileName = info.fileName();
    load.status = TextFileLoad::Status::Loaded;
    return load;
}
