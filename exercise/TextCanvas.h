#pragma once
#include <QFont>
#include <QWidget>

class PracticeText;
class QLabel;

// `picWd`: paints the laid-out text from its cell records, only where exposed.
class TextCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit TextCanvas(const PracticeText& text, QWidget* parent = nullptr);

    void textReplaced();                       // resizes to the text and repaints all
    void typingCellsChanged(int first, int last);
    void showEnterTag(int index);              // `lblEtr` over lblTyping(index); 0 hides it
    QRect typingCellRect(int index) const;
    QRect titleCellRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PracticeText& text_;
    QFont cellFont_;
    QFont headingFont_;
    QLabel* lblEtr_;
};
