// Any bytes in a file read as the decoder reads them at once (the decoder's own target feeds
// them in pieces of every size), and the caption gets the whole name.
#include "content/TextFileReader.h"
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
const QTemporaryDir dir;
const QString FileName = QString::fromUtf8("練習 \"one\" 'two'.txt");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QFile file(dir.filePath(FileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();

    const TextFileLoad load = readTextFile(file.fileName());
    const PracticeLines expected = decodePracticeText(bytes);
    using S = TextFileLoad::Status;
    // By PracticeLines::Status.
    constexpr S StatusOf[] = {S::Loaded, S::Big5CodecMissing, S::TooManyLines, S::LineTooLong, S::TextTooLong};
    if (load.status != StatusOf[int(expected.status)] || load.lines != expected.lines
        || load.fileName != (load.lines.isEmpty() ? QString() : FileName))
        std::abort();
    return 0;
}
