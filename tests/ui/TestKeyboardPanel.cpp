#include "doubles/FakeCapsLock.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardPanel.h"
#include "keyboard/PanelMarks.h"
#include "platform/BgrColor.h"
#include <gtest/gtest.h>

// Read on the painted panel, in every arrangement: each cap in the colour of the finger that
// types it, as the finger legend shows that finger, and each cap's shadow below and right of it.
TEST(KeyboardPanel, EachFingersCapsInItsColourAndEachShadowUnderItsCap)
{
    // Touch typing: the keys of each finger, and its swatch in the legend, left to right.
    const struct {
        const char* keys;
        int swatch;
    } fingers[] = {
        {"`1QAZ", 0}, {"2WSX", 1}, {"3EDC", 2}, {"4RFVTGB", 3}, {" ", 4},
        {"67YUHJNM", 5}, {"8IK,", 6}, {"9OL.", 7}, {"0-=P[]\\;'/\b", 8},
    };
    FakeCapsLock caps;
    KeyboardModel model(caps);
    KeyboardPanel panel(model);
    for (const int arrangement : {0, 1, 2}) {
        model.ArrangeKeyboard(arrangement);
        const QImage image = panel.grab().toImage();
        const auto at = [&](qreal x, qreal y) { return image.pixelColor(QPointF(x, y).toPoint()); };
        for (const auto& [keys, swatch] : fingers) {
            const auto& legend = PanelMarks::FingerLegend[swatch];
            const QColor colour = at(legend.left + legend.width / 2, legend.top + legend.height / 2);
            for (const char* key = keys; *key; ++key) {
                const CapState& cap = *model.cap(BaseKeyCode(*key));
                // The 5 key has a lighter shade of the left index finger's colour of its own.
                EXPECT_EQ(at(cap.box.left() + 3, cap.box.center().y()),
                          *key == '5' ? BgrColor(ColourOf(Fill::LightCyan)) : colour)
                    << "key " << *key << ", arrangement " << arrangement;
            }
        }
        // A shadow's last column and row are 4 px past its cap's, and nothing of it lies beyond.
        const QColor shadow = BgrColor(PanelColour::Shadow);
        for (const CapState& cap : model.caps()) {
            const QPointF end = cap.box.bottomRight() + QPointF(4, 4), middle = cap.box.center();
            const std::pair<QColor, QColor> right{at(end.x() - 1, middle.y()), at(end.x() + 1, middle.y())};
            const std::pair<QColor, QColor> below{at(middle.x(), end.y() - 1), at(middle.x(), end.y() + 1)};
            EXPECT_TRUE(right.first == shadow && (right.second != shadow || end.x() >= image.width()))
                << "shadow right of cap " << cap.code << ", arrangement " << arrangement;
            EXPECT_TRUE(below.first == shadow && below.second != shadow)
                << "shadow below cap " << cap.code << ", arrangement " << arrangement;
        }
    }
}
