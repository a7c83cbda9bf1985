// The help menu and the keyboard button: the finger guide, hiding the keyboard, the posture
// and About boxes.
#include "app/Form1.h"
#include "app/MainWindowLayout.h"
#include "dialogs/frmPosture.h"
#include "dialogs/frmSplash.h"
#include "exercise/TextWindow.h"
#include "keyboard/KeyboardPanel.h"
#include "platform/Clock.h"
#include <QPushButton>

namespace {
// One display frame: the rise takes about half a second and can be watched.
constexpr int HandTickMs = 16;
constexpr int TextWindowWithoutKeyboard = 544;
} // namespace

void Form1::mnuPos_Click(int index)
{
    if (index == 2) {
        frmPosture box(this);
        box.exec();
        return;
    }
    if (tmrHand_.isActive()) {
        StopFingerGuide(); // chosen again, the item stops the guide
        return;
    }
    guide_.start(clock_.nowMs());
    picKey_->setHandsY(guide_.HandY());
    picKey_->setBaseKeyCalloutsVisible(false);
    tmrHand_.start(HandTickMs);
}

void Form1::tmrHand_Timer()
{
    guide_.tick(clock_.nowMs());
    picKey_->setHandsY(guide_.HandY());
    picKey_->setBaseKeyCalloutsVisible(guide_.calloutsVisible());
    // Once at rest with the callouts gone nothing changes any more: spare the idle ticks.
    if (guide_.HandY() == FingerGuide::RestY && !guide_.calloutsVisible() && tmrHand_.interval() == HandTickMs)
        tmrHand_.setInterval(1000);
}

void Form1::StopFingerGuide()
{
    tmrHand_.stop();
    guide_.stop();
    picKey_->setHandsY(std::nullopt);
    picKey_->setBaseKeyCalloutsVisible(false);
}

void Form1::picKey_Click()
{
    if (tmrHand_.isActive())
        StopFingerGuide();
}

void Form1::cmdSandH_Click()
{
    if (tmrHand_.isActive())
        StopFingerGuide();
    const bool hide = picKey_->isVisible();
    picKey_->setVisible(!hide);
    cmdSandH_->setText(hide ? QStringLiteral("顯示鍵盤") : QStringLiteral("隱藏鍵盤"));
    picWindow_->setWindowHeight(hide ? TextWindowWithoutKeyboard : MainWindowLayout::TextWindowHeight);
    picWindow_->ScrollToChar(exercise_.state().CurrentIndex);
    picWindow_->setFocus();
}

void Form1::mnuAbout_Click()
{
    frmSplash box(web_, this);
    box.exec();
}
