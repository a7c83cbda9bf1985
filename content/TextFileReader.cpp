#include "content/TextFileReader.h"
#include <QFile>
#include <QFileInfo>

TextFileLoad readTextFile(const QString& path, const char* big5Codec)
{
    TextFileLoad load;
    const QFileInfo info(path);
    if (!info.exists()) {
        load.status = TextFileLoad::Status::NotFound;
        return load;
    }
    // Checked before opening: opening a FIFO would block until a writer appears, and a device
    // such as /dev/zero never ends.
    if (!info.isFile()) {
        load.status = TextFileLoad::Status::NotAFile;
        return load;
    }

    TextDecoder decoder(big5Codec);
    {
        QFile file(path); // closed on every way out of this block
        if (!file.open(QIODevice::ReadOnly))
            return load;
        QByteArray chunk(64 * 1024, Qt::Uninitialized);
        for (;;) {
            const qint64 got = file.read(chunk.data(), chunk.size());
            if (got < 0)
                return load;
            if (got == 0 || !decoder.feed(QByteArrayView(chunk.constData(), got)))
                break;
        }
    }
    PracticeLines text = decoder.finish();
    switch (text.status) {
    case PracticeLines::Status::Loaded:
        break;
    case PracticeLines::Status::Big5CodecMissing:
        load.status = TextFileLoad::Status::Big5CodecMissing;
        return load;
    case PracticeLines::Status::TooManyLines:
        load.status = TextFileLoad::Status::TooManyLines;
        return load;
    case PracticeLines::Status::LineTooLong:
        load.status = TextFileLoad::Status::LineTooLong;
        return load;
    case PracticeLines::Status::TextTooLong:
        load.status = TextFileLoad::Status::TextTooLong;
        return load;
    }
    load.lines = std::move(text.lines);
    // The whole name: a backslash is an ordinary character in a file name here.
    if (!load.lines.isEmpty())
        load.fileName = info.fileName();
    load.status = TextFileLoad::Status::Loaded;
    return load;
}
