#pragma once
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardObserver.h"
#include "keyboard/KeyTable.h"
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <array>
#include <map>
#include <optional>

// What a paint event asks for: the caps far apart that one key changes are painted alone,
// not everything in the box around them.
struct Exposed {
    QRegion region;
    bool meets(const QRectF& box) const { return region.intersects(box.toAlignedRect()); }
    bool covers(const QRectF& box) const
    {
        return region.rectCount() == 1 && region.boundingRect().contains(box.toAlignedRect());
    }
};

// `picKey`: paints the keyboard model's caps, shadows and legends, the marks, the finger
// colour legend and, when shown, the base-key callouts; repaints only what the model reports
// changed. A click on it is reported, nothing else is decided here.
class KeyboardPanel final : public QWidget, private KeyboardObserver {
    Q_OBJECT
public:
    explicit KeyboardPanel(KeyboardModel& model, QWidget* parent = nullptr);
    ~KeyboardPanel() override;

    // lblBaseKey(0..1) and linBaseKey(0..1), hidden at start.
    void setBaseKeyCalloutsVisible(bool visible);
    bool baseKeyCalloutsVisible() const { return calloutsVisible_; }
    // The finger guide's two hands with their tops at y, over the keys; nothing hides them.
    void setHandsY(std::optional<int> y);
    std::optional<int> handsY() const { return handsY_; }

signals:
    void clicked();
    void lampChanged(unsigned colour);   // forwarded from the model, for shpCapsL

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void keyboardAreaChanged(const QRect& area) override;
    void capsLampChanged(unsigned colour) override { emit lampChanged(colour); }
    void paintPanel(QPainter& painter, const QRegion& region);
    QRegion paintCapTiles(QPainter& painter, const QRegion& exposed);
    const QImage& capTile(const CapState& cap, const QRect& tile, QImage::Format format);
    bool overlaysMeet(const QRect& area) const;
    void paintKeys(QPainter& painter, const Exposed& exposed) const;
    QRectF legendInk(std::size_t i) const;
    void paintMarks(QPainter& painter, const Exposed& exposed) const;
    void paintFingerLegend(QPainter& painter, const Exposed& exposed) const;
    void paintCallouts(QPainter& painter) const;
    void paintHands(QPainter& painter, const Exposed& exposed);
    QRect handsArea(int y) const;

    KeyboardModel& model_;
    std::array<QFont, std::size(LegendFonts)> legendFonts_;
    QFont labelFont_;
    bool calloutsVisible_ = false;
    std::optional<int> handsY_;
    std::array<QPixmap, 2> hands_;   // decoded when first shown
    bool pressed_ = false;

    // A cap pushed in or outlined repaints the box it takes at rest and pushed in. No other
    // cap reaches into that box, so in a given arrangement each state of it always looks the
    // same: each is painted once, when first needed, and copied from then on. By cap code;
    // index pushed * 2 + outlined.
    std::map<int, std::array<QImage, 4>> capTiles_;
    // Legend by legend: the place it was laid out for and where its ink can reach.
    mutable std::array<std::optional<std::pair<QPointF, QRectF>>, LegendCount> legendInks_{};
    KeyboardLayout tilesArrangement_ = KeyboardLayout::SmallEnter;
};
