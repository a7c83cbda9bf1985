#pragma once
#include <QWidget>

class QScrollBar;
class TextCanvas;

// `picWindow`: the fixed frame that shows part of the tall text picture `picWd`, with the
// scroll bar `VScroll1` at its right edge. The scroll bar's value is how far the text is
// scrolled up, in pixels.
class TextWindow final : public QWidget {
    Q_OBJECT
public:
    explicit TextWindow(QWidget* parent = nullptr);

    TextCanvas& canvas() { return *picWd_; }

    // Fits the scroll bar to the window and the text; back to the top on request.
    void FitScrollBar(bool resetToTop);
    // Scrolls the row of character `index` into view (0: the top row).
    void ScrollToChar(int index);
    // 272 px with the keyboard shown, 544 without; the scroll position is kept.
    void setWindowHeight(int height);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void VScroll1_Change(int value);

    TextCanvas* picWd_;
    QScrollBar* VScroll1_;
    QPoint TextHome_;   // TextHomeLeft, TextHomeTop: where picWd stands unscrolled
};
