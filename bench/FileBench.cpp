// Reading and decoding the largest practice files through the real reader, as the file menu does.
#include "content/TextFileReader.h"
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// 2,000 lines, the most a file may hold: English lines of 56 characters with a Chinese heading
// before every tenth, ended by CR LF as on the files' home platform.
QString largestFileText()
{
    static const QString line = QStringLiteral("the quick brown fox jumps over the lazy dog and runs away");
    QString text;
    for (int n = 0; n < 2000; ++n)
        text += (n % 10 == 0 ? QStringLiteral("第%1課 英文打字練習").arg(n / 10 + 1) : line.left(56)) + QStringLiteral("\r\n");
    return text;
}

struct Files {
    QTemporaryDir dir;
    QString big5 = dir.filePath(QStringLiteral("big5.txt"));
    QString utf8 = dir.filePath(QStringLiteral("utf8.txt"));
    Files()
    {
        const QString text = largestFileText();
        QStringEncoder toBig5(Big5Codec);
        for (const auto& [path, bytes] : {std::pair{big5, QByteArray(toBig5(text))}, std::pair{utf8, text.toUtf8()}}) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(path));
        }
    }
};

void readFile(benchmark::State& state, const QString& path)
{
    qsizetype lines = 0;
    for (auto _ : state) {
        // Not const: Google Benchmark 1.9 deprecates DoNotOptimize of a const value.
        TextFileLoad load = readTextFile(path);
        if (load.status != TextFileLoad::Status::Loaded || load.lines.value(0) != QStringLiteral("第1課 英文打字練習"))
            state.SkipWithError("the file did not load as it was written");
        lines = load.lines.size();
        benchmark::DoNotOptimize(load);
    }
    state.counters["lines"] = double(lines);
}

void BM_ReadBig5File(benchmark::State& state) { readFile(state, Files().big5); }
BENCHMARK(BM_ReadBig5File)->Unit(benchmark::kMillisecond);

void BM_ReadUtf8File(benchmark::State& state) { readFile(state, Files().utf8); }
BENCHMARK(BM_ReadUtf8File)->Unit(benchmark::kMillisecond);
} // namespace
