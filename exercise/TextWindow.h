#pragma once
#include <QWidget>

class QScrollBar;
class TextCanvas;

// `picWindow`: the fixed frame that shows part of the tall text picture `picWd`, with the
// scroll bar `VScroll1` at its right edge.
class TextWindow final : public QWidget {
    Q_OBJECT
public:
    explicit TextWindow(QWidget* parent = nullptr);

    TextCanvas& canvas() { return *picWd_; }
    QScrollBar& scrollBar() { return *VScroll1_; }

private:
    TextCanvas* picWd_;
    QScrollBar* VScroll1_;
};
