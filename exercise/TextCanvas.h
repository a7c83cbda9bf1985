#pragma once
#include <QFont>
#include <QWidget>
#include <memory>

class PracticeText;
class QLabel;

// `picWd`: paints the laid-out text from its cell records, only where exposed.
class TextCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit TextCanvas(QWidget* parent = nullptr);

    void showText(std::shared_ptr<const PracticeText> text);   // resizes to it and repaints all
    const PracticeText& text() const { return *text_; }
    void typingCellsChanged(int first, int last);
    void showEnterTag(int index);              // `lblEtr` over lblTyping(index); 0 hides it
    QRect typingCellRect(int index) const;
    QRect titleCellRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The canvas shows no focus, so gaining or losing it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    std::shared_ptr<const PracticeText> text_;
    QFont cellFont_;
    QFont headingFont_;
    QLabel* lblEtr_;
};
