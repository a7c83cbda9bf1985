// Start-up and key-press figures of the keyboard panel.
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardPanel.h"
#include "platform/CapsLockQuery.h"
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {
class CapsLockOff final : public CapsLockQuery {
public:
    bool isOn() const override { return false; }
};

// A shown window for the panel to paint into, as the main window is, with a caption in the
// window's own face already painted: the font database is loaded before the panel comes.
struct Host {
    QWidget window;
    Host()
    {
        window.resize(780, 700);
        auto* caption = new QLabel(QStringLiteral("鍵盤設定"), &window);
        QFont face(QStringLiteral("新細明體"));
        face.setPointSizeF(9.75);
        caption->setFont(face);
        window.show();
        QCoreApplication::processEvents();
    }
};

// Building the model and the panel and painting all of it, as start-up does.
void startUp(benchmark::State& state)
{
    Host host;
    CapsLockOff caps;
    for (auto _ : state) {
        KeyboardModel model(caps);
        KeyboardPanel panel(model, &host.window);
        panel.move(24, 396);
        panel.show();
        panel.repaint();
    }
}

// The first time in the process, with the legend faces and their glyphs still to be loaded.
void BM_KeyboardPanelFirstStartUp(benchmark::State& state) { startUp(state); }
BENCHMARK(BM_KeyboardPanelFirstStartUp)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

void BM_KeyboardPanelStartUp(benchmark::State& state) { startUp(state); }
BENCHMARK(BM_KeyboardPanelStartUp)->Unit(benchmark::kMillisecond);

// One key going down or up: the cap moves and the rectangles it touched are repainted.
void BM_KeyboardKeyPress(benchmark::State& state)
{
    Host host;
    CapsLockOff caps;
    KeyboardModel model(caps);
    KeyboardPanel panel(model, &host.window);
    panel.show();
    QCoreApplication::processEvents();
    bool down = false;
    for (auto _ : state) {
        down = !down;
        if (down)
            model.pushKeyCapFor('a');
        else
            model.keyUp('A', 0);
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_KeyboardKeyPress)->Unit(benchmark::kMicrosecond);
} // namespace
