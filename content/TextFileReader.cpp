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

TextFileLoad ReadTextFile(const QString& path)
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

    bool tooMany = false;
    load.lines = SplitPracticeLines(DecodeText(*bytes), &tooMany);
    if (tooMany)
        return load;
    if (!load.lines.isEmpty())
        load.fileName = FileNameOfPath(path);
    load.status = TextFileLoad::Status::Loaded;
    return load;
}

QString FileNameOfPath(const QString& path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(separator + 1);
}
