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
#include <QKeyEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {
// 2,000 lines of words, the most a file may hold, filling exactly 32,767 characters to type:
// 574 full rows of 57 cells, a row of 49 letters and its Enter, then lines the layout cuts off.
QStringList largestText()
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

long residentKiB()
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
    const long idle = residentKiB();
    for (auto _ : state) {
        window.form.exercise().loadText(largestText());
        QCoreApplication::sendPostedEvents();
        window.canvas()->repaint();
    }
    state.counters["added_MiB"] = double(residentKiB() - idle) / 1024.0;
}
BENCHMARK(BM_MemoryOfLargestText)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

void BM_LayoutText(benchmark::State& state)
{
    const QStringList lines = largestText();
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
    const QStringList lines = largestText();
    for (auto _ : state) {
        window.form.exercise().loadText(lines);
        QCoreApplication::sendPostedEvents();
        window.canvas()->repaint();
    }
}
BENCHMARK(BM_LoadIntoWindow)->Unit(benchmark::kMillisecond);

// A key event as the window gets it: the character's key, its text and the Shift it needs.
QKeyEvent KeyEvent(QEvent::Type type, char16_t ch)
{
    if (ch == u'\r')
        return QKeyEvent(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    const QChar c(ch);
    return QKeyEvent(type, c.toUpper().unicode(), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
}

// The measured part of a key: its press, judged, and the repaint of all it changed.
[[gnu::noinline]] void pressAndPaint(QWindow* window, char16_t ch)
{
    QKeyEvent press = KeyEvent(QEvent::KeyPress, ch);
    QCoreApplication::sendEvent(window, &press);
    QCoreApplication::sendPostedEvents();
}

// One key from its press to the end of the repaint it causes, with the largest text running:
// the expected key (cell typed, cursor and outline move on, counter and progress bar) or a
// wrong one (";", counted and shown). Each key is released, untimed, before the next, so its
// cap is pushed in anew every time.
void BM_KeyToScreen(benchmark::State& state)
{
    const bool right = state.range(0) != 0;
    Window window;
    TypingExercise& exercise = window.form.exercise();
    exercise.loadText(largestText());
    exercise.start();
    QCoreApplication::sendPostedEvents();
    QWindow* native = window.form.windowHandle();
    for (auto _ : state) {
        const char16_t ch = right ? char16_t(exercise.state().ExpectedChar) : u';';
        pressAndPaint(native, ch);
        state.PauseTiming();
        QKeyEvent release = KeyEvent(QEvent::KeyRelease, ch);
        QCoreApplication::sendEvent(native, &release);
        if (!exercise.running())
            exercise.start(); // the last character ended the run
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeyToScreen)->ArgName("right")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
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
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
