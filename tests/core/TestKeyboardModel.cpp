#include "doubles/FakeCapsLock.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyboardModel.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>

namespace {
// Which caps are pushed in ("?" if not by one pixel each way) and outlined, the lamp and ShiftNudged.
std::string describe(const KeyboardModel& model)
{
    QStringList pushed, outlined;
    for (int code = 1; code < 110; ++code) // the keys from 110 on have no legend and keep no rest position
        if (const CapState* c = model.cap(code)) {
            const QPointF rest(model.KeyCapLeft(code), model.KeyCapTop(code));
            if (c->box.topLeft() != rest)
                pushed << QString::number(code) + (c->box.topLeft() == rest + QPointF(1, 1) ? "" : "?");
            if (c->guide)
                outlined << QString::number(code);
        }
    return QStringLiteral("pushed:%1 outlined:%2 lamp:%3 nudged:%4").arg(pushed.join(u','), outlined.join(u','))
        .arg(model.lampColour()).arg(model.ShiftNudged()).toStdString();
}

// One thing that happens to the keyboard: a key, a call of the typing loop, Caps Lock toggled.
using Step = std::function<void(KeyboardModel&, FakeCapsLock&)>;
Step down(int vk, int shift = 0, GuideContext context = {}) { return [=](auto& m, auto&) { m.keyDown(vk, shift, context); }; }
Step up(int vk, int shift = 0) { return [=](auto& m, auto&) { m.keyUp(vk, shift); }; }
Step press(int ch) { return [=](auto& m, auto&) { m.pushKeyCapFor(ch); }; }
Step guide(int ch, bool running = true) { return [=](auto& m, auto&) { m.ShowShiftGuide({running, ch}); }; }
Step outline(int ch) { return [=](auto& m, auto&) { m.outlineKeyFor(ch); }; }
Step unoutline(int ch) { return [=](auto& m, auto&) { m.clearKeyOutlineFor(ch); }; }
Step capsLockTo(bool on) { return [=](auto&, auto& caps) { caps.on = on; }; }
const Step ResetShift = [](auto& m, auto&) { m.resetShiftOutlines(); };
Step activated(bool active, GuideContext context = {}) { return [=](auto& m, auto&) { m.windowActivationChanged(active, context); }; }
} // namespace

// Choosing the arrangement already shown, or an option that does not exist, moves nothing. In
// every arrangement caps and shadows stay on the panel, no cap covers another cap or its shadow,
// and every key a character needs stands at its rest position.
TEST(KeyboardModel, CapsFollowTheArrangementStayApartAndAnswerKeysOutlinesAndCapsLock)
{
    const struct {
        std::vector<int> choices;
        std::vector<std::array<int, 3>> rest; // code, left, top
        bool backspaceLegend;
        double rightShiftWidth, rightShiftLegendLeft;
    } cases[] = {
        {{0, 3}, {{8, 632, 0}, {92, 660, 48}, {3, 596, 144}, {110, 0, 0}, {200, 0, 0}, {201, 0, 0}, {0, 0, 0},
                  {-1, 0, 0}}, true, 129, 604},
        {{1, 1, -1}, {{8, 680, 0}, {92, 632, 0}, {3, 596, 144}, {13, 620, 96}}, false, 129, 604},
        {{2, 3, 2}, {{8, 632, 0}, {92, 684, 144}, {3, 596, 144}, {13, 620, 96}}, true, 81, 608},
        {{1, 2, 0}, {{8, 632, 0}, {92, 660, 48}, {3, 596, 144}}, true, 129, 608},
    };
    const QRectF panel(0, 0, KeyGeometry::PanelWidth, KeyGeometry::PanelHeight);
    for (const auto& c : cases) {
        FakeCapsLock caps;
        KeyboardModel model(caps);
        for (int choice : c.choices)
            model.ArrangeKeyboard(choice);
        SCOPED_TRACE(testing::Message() << "after choice " << c.choices.front());
        for (const auto& [code, left, top] : c.rest)
            EXPECT_EQ(QPoint(model.KeyCapLeft(code), model.KeyCapTop(code)), QPoint(left, top)) << "code " << code;
        EXPECT_EQ(model.legends()[52].visible, c.backspaceLegend);
        EXPECT_EQ(model.cap(3)->box.width(), c.rightShiftWidth);
        EXPECT_EQ(model.legends()[70].at.x(), c.rightShiftLegendLeft);

        ASSERT_EQ(model.caps().size(), model.shadows().size());
        for (std::size_t i = 0; i < model.caps().size(); ++i) {
            const CapState& cap = model.caps()[i];
            // The panel keeps pictures of each cap at rest and pushed in: no other cap may reach in.
            const QRectF footprint = cap.box.united(model.shadows()[i].box).united(cap.box.translated(1, 1));
            EXPECT_TRUE(panel.contains(footprint)) << "cap " << cap.code;
            for (std::size_t j = 0; j < model.caps().size(); ++j)
                EXPECT_TRUE(i == j || !footprint.intersects(model.caps()[j].box))
                    << "cap " << cap.code << " meets cap " << model.caps()[j].code;
        }
        for (int ch = 1; ch < 256; ++ch)
            if (const int code = BaseKeyCode(ch)) {
                ASSERT_NE(model.cap(code), nullptr) << "character " << ch;
                EXPECT_EQ(model.cap(code)->box.topLeft(), QPointF(model.KeyCapLeft(code), model.KeyCapTop(code)))
                    << "character " << ch;
            }
    }

    const struct {
        const char* name;
        bool capsLockAtStart;
        std::vector<Step> steps;
        const char* after;
    } histories[] = {
        {"Caps Lock outside an exercise", false,
         {capsLockTo(true), down(20), guide('A', false)}, "pushed:20 outlined: lamp:65280 nudged:0"},
        {"Caps Lock turned off", true, {capsLockTo(false), down(20), up(20)}, "pushed: outlined: lamp:12632256 nudged:0"},
        {"start-up with Caps Lock on", true, {}, "pushed: outlined: lamp:65280 nudged:0"},
        {"Caps Lock during an exercise waiting for A", false,
         {guide('A'), capsLockTo(true), down(20, 0, {true, 'A'})}, "pushed:20 outlined: lamp:65280 nudged:0"},
        {"Shift guide for each kind of character", false,
         {guide('!'), guide('^', false), outline('A')}, "pushed: outlined:3,65 lamp:8421504 nudged:0"},
        {"guide moves and ends", false, {guide('!'), guide('&'), guide('1'), guide('"')}, "pushed: outlined:2 lamp:8421504 nudged:0"},
        {"end of an exercise", false, {guide('Z'), ResetShift}, "pushed: outlined: lamp:8421504 nudged:0"},
        {"Shift held over a letter", false,
         {down(16, 1), down(65, 1), press('A'), down(65, 1), press('A')}, "pushed:2,3,65 outlined: lamp:8421504 nudged:1"},
        {"letter released while Shift is still held", false,
         {down(16, 1), down(65, 1), press('A'), up(65, 1)}, "pushed: outlined: lamp:8421504 nudged:1"},
        {"an unshifted key-down clears ShiftNudged", false,
         {down(16, 1), down(186), press(';'), up(16)}, "pushed:2,3,59 outlined: lamp:8421504 nudged:0"},
        {"keys without a cap", false, {press(0xE9), press(27), press(0), up(16), up(112)}, "pushed: outlined: lamp:8421504 nudged:0"},
        {"outline and its removal", false,
         {outline('q'), outline(0), outline('?'), unoutline('q')}, "pushed: outlined:47 lamp:8421504 nudged:0"},
        {"focus lost with keys held", false,
         {press(' '), press('\b'), down(16, 1), down(20, 1), activated(false)}, "pushed: outlined: lamp:12632256 nudged:1"},
        // Caps Lock pressed while a box had the keys: seen on coming back, and by the next guide.
        {"Caps Lock turned on in another window", false, {capsLockTo(true), activated(false), activated(true)},
         "pushed: outlined: lamp:65280 nudged:0"},
        {"back during an exercise waiting for C", false, {guide('C'), capsLockTo(true), activated(true, {true, 'C'})},
         "pushed: outlined: lamp:65280 nudged:0"},
        {"the next guide reads Caps Lock anew", false, {capsLockTo(true), guide('c')}, "pushed: outlined:3 lamp:65280 nudged:0"},
    };
    for (const auto& c : histories) {
        FakeCapsLock caps;
        caps.on = c.capsLockAtStart;
        KeyboardModel model(caps);
        for (const Step& step : c.steps)
            step(model, caps);
        EXPECT_EQ(describe(model), c.after) << c.name;
    }
}
