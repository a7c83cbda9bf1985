// Layout, memory and key-to-screen figures for the largest practice text.
#include "app/AppSetup.h"
#include "app/Form1.h"
#include "doubles/FakeCapsLock.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeMessageBox.h"
#include "doubles/FakeWebOpener.h"
#include "exercise/PracticeText.h"
#include "exercise/TextCanvas.h"
#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {
// 2,000 lines of words, the most a file may hold, filling exactly 32,767 characters to type:
// 574 full rows of 57 cells, a row of 49 letters and its Enter, then lines the layout cuts off.
QStringList LargestText()
{
    static const QStringList words{"quick", "brown", "fox", "jumps", "over", "the", "lazy", "dog", "and", "runs"};
    const auto line = [&](int n, int length) {
        QString text;
        for (int w = n; text.size() < length; ++w)
            text += words.at(w % words.size()) + u' ';
        text.truncate(length);
        if (text.endsWith(u' '))
            text.back() = u'x';
        return text;
    };
    QStringList lines;
    for (int n = 0; n < 2000; ++n)
        lines << line(n, n == 574 ? 49 : 56);
    return lines;
}

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

struct Window {
    FakeMessageBox messages;
    FakeClock clock;
    FakeCapsLock capsLock;
    FakeWebOpener web;
    Form1 form{{messages, clock, capsLock, web}};
    Window()
    {
        form.show();
        QCoreApplication::processEvents();
    }
    QWidget* canvas() { return form.findChild<QWidget*>(QStringLiteral("picWd")); }
};

// Runs first, before other benchmarks leave freed memory in the allocator.
void BM_MemoryOfLargestText(benchmark::State& state)
{
    Window window;
    window.form.exercise().loadText({QStringLiteral("ab")});
    window.canvas()->repaint();
    const long idle = ResidentKiB();
    for (auto _ : state) {
        window.form.exercise().loadText(LargestText());
        QCoreApplication::sendPostedEvents();
        window.canvas()->repaint();
    }
    state.counters["added_MiB"] = double(ResidentKiB() - idle) / 1024.0;
}
BENCHMARK(BM_MemoryOfLargestText)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

void BM_LayoutText(benchmark::State& state)
{
    const QStringList lines = LargestText();
    int chars = 0;
    for (auto _ : state) {
        PracticeText text = LayoutText(lines);
        chars = text.CharCount();
        benchmark::DoNotOptimize(text);
    }
    state.counters["chars"] = chars;
}
BENCHMARK(BM_LayoutText)->Unit(benchmark::kMillisecond);

// Loading into the window: layout, resizing the canvas and the first paint of the view.
void BM_LoadIntoWindow(benchmark::State& state)
{
    Window window;
    const QStringList lines = LargestText();
    for (auto _ : state) {
        window.form.exercise().loadText(lines);
        QCoreApplication::sendPostedEvents();
        window.canvas()->repaint();
    }
}
BENCHMARK(BM_LoadIntoWindow)->Unit(benchmark::kMillisecond);

// One key judged and the cells it changed painted, with the largest text running.
void BM_KeyToScreen(benchmark::State& state)
{
    Window window;
    window.form.exercise().loadText(LargestText());
    window.form.exercise().start();
    QCoreApplication::sendPostedEvents();
    const int chars = window.form.exercise().state().CharCount;
    for (auto _ : state) {
        const auto& s = window.form.exercise().state();
        if (s.CurrentIndex >= chars) {
            state.PauseTiming();
            window.form.exercise().interrupt();
            window.form.exercise().start();
            QCoreApplication::sendPostedEvents();
            state.ResumeTiming();
        }
        // Alternate a wrong key and the right one, as a learner does.
        window.form.keyPress(u'~');
        window.form.keyPress(window.form.exercise().state().ExpectedChar);
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeyToScreen)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && !message.contains(QLatin1String("propagateSizeHints")))
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
