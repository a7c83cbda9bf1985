// The floor of any Qt Widgets program: an empty window the size of the main window. With
// --tick it repaints one text cell every 500 ms, as a running exercise blinks its cursor: the
// floor of the CPU an exercise waiting for a key can take.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Cell final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), on_ ? Qt::cyan : Qt::darkYellow);
        on_ = !on_;
    }

private:
    bool on_ = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 700);
    QTimer tick;
    if (QCoreApplication::arguments().contains(QStringLiteral("--tick"))) {
        auto* cell = new Cell(&window);
        cell->setGeometry(100, 200, 17, 24);
        QObject::connect(&tick, &QTimer::timeout, cell, qOverload<>(&QWidget::update));
        tick.start(500);
    }
    window.show();
    return QApplication::exec();
}
