#include "keyboard/KeyboardPanel.h"
#include "keyboard/FingerGuide.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/PanelMarks.h"
#include "platform/BgrColor.h"
#include "platform/RasterTarget.h"
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace KeyGeometry;

namespace {
constexpr qreal CornerRadius = 6;
constexpr qreal SwatchRadius = 3;
// Room a legend's text may take around its anchor, for skipping legends outside the exposed area.
constexpr qreal LegendReachX = 50;
constexpr qreal LegendReachY = 30;
constexpr qreal NameReach = 100;
// Ink a bold glyph may leave beyond the box its text is laid out in.
constexpr qreal InkMargin = 3;
constexpr int LegendFlags = Qt::AlignTop | Qt::TextSingleLine;

QFont legendFontFor(const LegendFontSpec& face)
{
    QFont font(QString::fromUtf16(face.family));
    font.setPointSizeF(face.points);
    font.setBold(true);
    return font;
}

QRectF legendBox(const LegendState& legend)
{
    if (legend.centred)
        return {legend.at.x() - LegendReachX, legend.at.y(), 2 * LegendReachX, LegendReachY};
    return {legend.at.x(), legend.at.y(), NameReach, LegendReachY};
}

QRectF strokeBox(const QLineF& line, int width)
{
    const qreal grow = width;
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-grow, -grow, grow, grow);
}

void drawStroke(QPainter& painter, const QLineF& line, unsigned colour, int width)
{
    painter.setPen(QPen(bgrColor(colour), width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line);
}

// The box a cap's changes repaint: its place at rest and pushed in.
QRect capTileRect(const CapState& cap)
{
    const QRectF rest = cap.pushed ? cap.box.translated(-1, -1) : cap.box;
    return rest.toAlignedRect().adjusted(0, 0, 1, 1);
}

// A repaint this small is a few caps changing (the space bar and both Shift keys among them):
// worth their tiles. Larger ones (start-up, the arrangement, the hands) are painted as they
// are, so that no tile is made for nothing.
constexpr int TileRepaintArea = PanelWidth * PanelHeight / 4;

int areaOf(const QRegion& region)
{
    int area = 0;
    for (const QRect& r : region)
        area += r.width() * r.height();
    return area;
}
} // namespace

KeyboardPanel::KeyboardPanel(KeyboardModel& model, QWidget* parent)
    : QWidget(parent), model_(model), labelFont_(QString::fromUtf16(PanelMarks::LabelFamily))
{
    setObjectName(QStringLiteral("picKey"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(PanelWidth, PanelHeight);
    for (std::size_t i = 0; i < LegendFonts.size(); ++i)
        legendFonts_[std::size_t(LegendFonts[i].font)] = legendFontFor(LegendFonts[i]);
    labelFont_.setPointSizeF(PanelMarks::LabelPoints);
    model_.setObserver(this);
}

KeyboardPanel::~KeyboardPanel() { model_.setObserver(nullptr); }

void KeyboardPanel::keyboardAreaChanged(const QRect& area) { update(area); }

void KeyboardPanel::setBaseKeyCalloutsVisible(bool visible)
{
    if (visible == calloutsVisible_)
        return;
    calloutsVisible_ = visible;
    for (const auto& callout : PanelMarks::BaseKeyCallouts) {
        update(callout.left, callout.top, callout.width, callout.height);
        update(strokeBox(QLineF(callout.x1, callout.y1, callout.x2, callout.y2), PanelMarks::CalloutLineWidth)
                   .toAlignedRect());
    }
}

QRect KeyboardPanel::handsArea(int y) const
{
    return QRect(FingerGuide::LeftHandX, y, FingerGuide::RightHandX + FingerGuide::HandWidth - FingerGuide::LeftHandX,
                 FingerGuide::HandHeight);
}

void KeyboardPanel::setHandsY(std::optional<int> y)
{
    if (y == handsY_)
        return;
    if (handsY_)
        update(handsArea(*handsY_));
    handsY_ = y;
    if (handsY_)
        update(handsArea(*handsY_));
}

void KeyboardPanel::paintHands(QPainter& painter, const Exposed& exposed)
{
    if (!handsY_ || !exposed.meets(handsArea(*handsY_)))
        return;
    if (hands_[0].isNull()) {
        hands_[0] = QPixmap(QStringLiteral(":/hands/left.png"));
        hands_[1] = QPixmap(QStringLiteral(":/hands/right.png"));
    }
    // The pictures' alpha is their mask: the keys show around the fingers.
    painter.drawPixmap(FingerGuide::LeftHandX, *handsY_, hands_[0]);
    painter.drawPixmap(FingerGuide::RightHandX, *handsY_, hands_[1]);
}

void KeyboardPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QRegion rest = event->region();
    if (areaOf(rest) <= TileRepaintArea)
        rest -= paintCapTiles(painter, rest);
    if (rest.isEmpty())
        return;
    if (rest != event->region())
        painter.setClipRegion(rest);
    paintPanel(painter, rest);
}

void KeyboardPanel::paintPanel(QPainter& painter, const QRegion& region)
{
    const Exposed exposed{region};
    painter.fillRect(region.boundingRect(), bgrColor(PanelColour::Back));
    painter.setRenderHint(QPainter::Antialiasing);
    paintKeys(painter, exposed);
    paintMarks(painter, exposed);
    paintFingerLegend(painter, exposed);
    paintHands(painter, exposed);
    if (calloutsVisible_)
        paintCallouts(painter);
}

// Copies the tiles of the caps the exposed area meets, where it can; returns the area done.
QRegion KeyboardPanel::paintCapTiles(QPainter& painter, const QRegion& exposed)
{
    const std::optional<QImage::Format> format = rasterTargetFormat(painter);
    const qreal ratio = devicePixelRatioF();
    if (!format || ratio != qRound(ratio))
        return {};
    if (model_.arrangement() != tilesArrangement_) {
        capTiles_.clear();
        tilesArrangement_ = model_.arrangement();
    }
    // A cap's tile reaches at most a pixel beyond its box.
    const QRectF reach = QRectF(exposed.boundingRect()).adjusted(-1, -1, 1, 1);
    QRegion done;
    for (const CapState& cap : model_.caps()) {
        if (!reach.intersects(cap.box))
            continue;
        const QRect tile = capTileRect(cap);
        if (!exposed.intersects(tile) || overlaysMeet(tile))
            continue;
        painter.drawImage(tile.topLeft(), capTile(cap, tile, *format));
        done += tile;
    }
    return done;
}

const QImage& KeyboardPanel::capTile(const CapState& cap, const QRect& tile, QImage::Format format)
{
    QImage& image = capTiles_[cap.code][std::size_t(cap.pushed) * 2 + std::size_t(cap.guide)];
    const qreal ratio = devicePixelRatioF();
    if (image.isNull() || image.format() != format || image.devicePixelRatio() != ratio) {
        image = QImage(tile.size() * ratio, format);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        painter.translate(-tile.topLeft());
        paintPanel(painter, QRegion(tile));
    }
    return image;
}

bool KeyboardPanel::overlaysMeet(const QRect& area) const
{
    if (handsY_ && handsArea(*handsY_).intersects(area))
        return true;
    if (!calloutsVisible_)
        return false;
    for (const auto& callout : PanelMarks::BaseKeyCallouts) {
        const QRect line = strokeBox(QLineF(callout.x1, callout.y1, callout.x2, callout.y2),
                                     PanelMarks::CalloutLineWidth).toAlignedRect();
        if (area.intersects(line | QRect(callout.left, callout.top, callout.width, callout.height)))
            return true;
    }
    return false;
}

void KeyboardPanel::paintKeys(QPainter& painter, const Exposed& exposed) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(bgrColor(PanelColour::Shadow));
    for (const ShadowState& shadow : model_.shadows())
        if (exposed.meets(shadow.box))
            painter.drawRoundedRect(shadow.box, CornerRadius, CornerRadius);

    for (const CapState& cap : model_.caps()) {
        if (!exposed.meets(cap.box))
            continue;
        // The border lies inside the cap, so a cap never draws outside its own box.
        const qreal width = cap.guide ? GuideBorderWidth : NormalBorderWidth;
        const qreal inset = width / 2;
        painter.setPen(QPen(bgrColor(cap.guide ? PanelColour::Guide : PanelColour::Border), width));
        painter.setBrush(bgrColor(cap.fill));
        painter.drawRoundedRect(cap.box.adjusted(inset, inset, -inset, -inset), CornerRadius - inset,
                                CornerRadius - inset);
    }

    painter.setPen(Qt::black);
    const auto& legends = model_.legends();
    for (std::size_t i = 0; i < legends.size(); ++i) {
        const LegendState& legend = legends[i];
        const QRectF reach = legendBox(legend);
        if (!legend.visible || !exposed.meets(reach))
            continue;
        // Where all a legend can reach is exposed, as in a whole repaint, there is nothing to spare.
        if (!exposed.covers(reach) && !exposed.meets(legendInk(i)))
            continue;
        painter.setFont(legendFonts_[std::size_t(legend.font)]);
        painter.drawText(reach, (legend.centred ? Qt::AlignHCenter : Qt::AlignLeft) | LegendFlags,
                         QString::fromUtf16(legend.text));
    }
}

// Where a legend can leave ink: laid out once per place, so that a cap's repaint draws only the
// legends it meets, not every one within reach.
QRectF KeyboardPanel::legendInk(std::size_t i) const
{
    const LegendState& legend = model_.legends()[i];
    auto& known = legendInks_[i];
    if (!known || known->first != legend.at) {
        const QFontMetricsF metrics(legendFonts_[std::size_t(legend.font)], this);
        const QRectF laidOut = metrics.boundingRect(
            legendBox(legend), (legend.centred ? Qt::AlignHCenter : Qt::AlignLeft) | LegendFlags,
            QString::fromUtf16(legend.text));
        known.emplace(legend.at, laidOut.adjusted(-InkMargin, -InkMargin, InkMargin, InkMargin));
    }
    return known->second;
}

void KeyboardPanel::paintMarks(QPainter& painter, const Exposed& exposed) const
{
    painter.setRenderHint(QPainter::Antialiasing, false); // straight lines on whole pixels
    for (const auto& stroke : PanelMarks::Strokes) {
        const QLineF line(stroke.x1, stroke.y1, stroke.x2, stroke.y2);
        if (exposed.meets(strokeBox(line, stroke.width)))
            drawStroke(painter, line, stroke.colour, stroke.width);
    }
    for (const QLineF& line : model_.backspaceArrow())
        if (exposed.meets(strokeBox(line, 1)))
            drawStroke(painter, line, PanelMarks::BackspaceArrowColour, 1);
    painter.setRenderHint(QPainter::Antialiasing);
}

void KeyboardPanel::paintFingerLegend(QPainter& painter, const Exposed& exposed) const
{
    painter.setFont(labelFont_);
    for (const auto& swatch : PanelMarks::FingerLegend) {
        const QRectF box(swatch.left, swatch.top, swatch.width, swatch.height);
        if (exposed.meets(box)) {
            painter.setPen(QPen(bgrColor(PanelColour::Border), 1));
            painter.setBrush(bgrColor(colourOf(swatch.fill)));
            painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), SwatchRadius, SwatchRadius);
        }
        const QRectF name(swatch.labelLeft, PanelMarks::FingerNameTop, NameReach, LegendReachY);
        if (exposed.meets(name)) {
            painter.setPen(Qt::black);
            painter.drawText(name, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromUtf16(swatch.caption));
        }
    }
}

void KeyboardPanel::paintCallouts(QPainter& painter) const
{
    painter.setFont(labelFont_);
    for (const auto& callout : PanelMarks::BaseKeyCallouts) {
        drawStroke(painter, QLineF(callout.x1, callout.y1, callout.x2, callout.y2), PanelColour::Callout,
                   PanelMarks::CalloutLineWidth);
        const QRectF box(callout.left, callout.top, callout.width, callout.height);
        painter.fillRect(box, bgrColor(PanelColour::Callout));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf16(callout.caption));
    }
}

void KeyboardPanel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void KeyboardPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}
