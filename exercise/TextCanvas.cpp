#include "exercise/TextCanvas.h"
#include "exercise/PracticeText.h"
#include "platform/BgrColor.h"
#include "platform/DesignTable.h"
#include "platform/RasterTarget.h"
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

using namespace TextGeometry;

namespace {
// Colours of the text window (lowest byte red).
constexpr unsigned ModelCellBack = Grey;    // like the window behind it
constexpr unsigned ModelCellText = 16777215;   // white
constexpr unsigned TypingCellBack = 16777152;  // pale cyan
constexpr unsigned TypingCellText = 0;
constexpr unsigned CursorBack = 33023;         // orange
constexpr unsigned HeadingBack = 12648384;     // pale green
constexpr unsigned EnterTagBack = 12632319;    // pink

constexpr int HeadingWidth = 942;
// More than the widest heading row shows even in its narrowest characters; a longer caption
// would cost its whole shaping on every repaint only to be cut off.
constexpr qsizetype HeadingCharsShown = 512;
constexpr QSize EnterTagSize{29, 17};
constexpr int DesignWidth = 957;
constexpr int DesignHeight = 116;

bool isShown(char16_t ch) { return ch >= 0x20 && ch != 0x7F; }

// A repaint this small is a key's few typing cells: copied. Larger ones (a new text, scrolling,
// a cleared row) are painted as they are.
constexpr int CopiedCellsArea = 4 * CellWidth * CellHeight;
} // namespace

TextCanvas::TextCanvas(QWidget* parent)
    : QWidget(parent), text_(std::make_shared<PracticeText>()), cellFont_(QString::fromUtf16(KaiFace)),
      headingFont_(QString::fromUtf16(MingFace)), lblEtr_(new QLabel(QStringLiteral("Enter"), this))
{
    setObjectName(QStringLiteral("picWd"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(DesignWidth, DesignHeight);
    cellFont_.setPointSizeF(16);
    headingFont_.setPointSizeF(12);

    lblEtr_->setObjectName(QStringLiteral("lblEtr"));
    lblEtr_->setAutoFillBackground(true);
    QPalette palette = lblEtr_->palette();
    palette.setColor(QPalette::Window, bgrColor(EnterTagBack));
    palette.setColor(QPalette::WindowText, Qt::black);
    lblEtr_->setPalette(palette);
    lblEtr_->resize(EnterTagSize);
    lblEtr_->hide();
}

QRect TextCanvas::titleCellRect(int index) const
{
    const TitleCell& cell = text_->lblTitle(index);
    return {cell.left, cell.top, CellWidth, CellHeight};
}

QRect TextCanvas::typingCellRect(int index) const
{
    return titleCellRect(index).translated(0, TypingCellOffset);
}

void TextCanvas::showText(std::shared_ptr<const PracticeText> text)
{
    text_ = std::move(text);
    lblEtr_->hide();
    resize(width(), text_->height());
    update();
}

void TextCanvas::typingCellsChanged(int first, int last)
{
    if (!text_->contains(first) || !text_->contains(last))
        return;
    if (first == last) {
        update(typingCellRect(first));
        return;
    }
    const int top = typingCellRect(first).top();
    update(0, top, width(), typingCellRect(last).bottom() + 1 - top);
}

void TextCanvas::showEnterTag(int index)
{
    if (!text_->contains(index)) {
        lblEtr_->hide();
        return;
    }
    lblEtr_->move(typingCellRect(index).topLeft());
    lblEtr_->show();
    lblEtr_->raise();
}

void TextCanvas::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    QPainter painter(this);
    // Cell images are made at one device pixel per pixel.
    const auto copyFormat = exposed.width() * exposed.height() <= CopiedCellsArea && devicePixelRatioF() == 1
                                ? rasterTargetFormat(painter)
                                : std::nullopt;
    painter.fillRect(exposed, bgrColor(ModelCellBack));

    painter.setFont(headingFont_);
    painter.setPen(Qt::black);
    for (const SubTitle& heading : text_->subTitles()) {
        const QRect box(RowLeft, heading.top, HeadingWidth, CellHeight);
        if (!box.intersects(exposed))
            continue;
        painter.fillRect(box, bgrColor(HeadingBack));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, heading.caption.left(HeadingCharsShown));
    }

    // Cells are in row order: skip to the first row that reaches into the exposed area.
    const auto& titles = text_->titles();
    const auto first = std::partition_point(titles.begin(), titles.end(), [&](const TitleCell& cell) {
        return cell.top + TypingCellOffset + CellHeight <= exposed.top();
    });
    painter.setFont(cellFont_);
    for (auto it = first; it != titles.end() && it->top <= exposed.bottom(); ++it) {
        const int index = static_cast<int>(it - titles.begin()) + 1;
        const QRect model(it->left, it->top, CellWidth, CellHeight);
        if (model.intersects(exposed) && !it->isRowEnd()) {
            painter.setPen(bgrColor(ModelCellText));
            painter.drawText(model, Qt::AlignCenter, QString(QChar(it->ch)));
        }
        const TypingCell& typing = text_->lblTyping(index);
        const QRect below = model.translated(0, TypingCellOffset);
        if (!typing.visible || !below.intersects(exposed))
            continue;
        if (copyFormat)
            painter.drawImage(below.topLeft(), typingCellImage(typing, *copyFormat));
        else
            paintTypingCell(painter, below, typing);
    }
}

void TextCanvas::paintTypingCell(QPainter& painter, const QRect& cell, const TypingCell& typing) const
{
    painter.fillRect(cell, bgrColor(typing.cursor ? CursorBack : TypingCellBack));
    if (isShown(typing.typed)) {
        painter.setPen(bgrColor(TypingCellText));
        painter.drawText(cell, Qt::AlignCenter, QString(QChar(typing.typed)));
    }
}

const QImage& TextCanvas::typingCellImage(const TypingCell& typing, QImage::Format format)
{
    QImage& image = typingCellImages_[typing.typed * 2 + int(typing.cursor)];
    if (image.isNull() || image.format() != format) {
        image = QImage(CellWidth, CellHeight, format);
        QPainter painter(&image);
        painter.setFont(cellFont_);
        paintTypingCell(painter, image.rect(), typing);
    }
    return image;
}
