#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>
#include <map>
#include <memory>

class PracticeText;
class QLabel;
struct TypingCell;

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
    void paintTypingCell(QPainter& painter, const QRect& cell, const TypingCell& typing) const;
    const QImage& typingCellImage(const TypingCell& typing, QImage::Format format);

    std::shared_ptr<const PracticeText> text_;
    QFont cellFont_;
    QFont headingFont_;
    QLabel* lblEtr_;
    // A typing cell looks the same wherever it stands: each look (the key shown, in the cursor
    // colour or not) is painted once and copied when a key repaints a few cells. By key * 2 +
    // cursor.
    std::map<int, QImage> typingCellImages_;
};
