#include "exercise/TypingExercise.h"
#include "exercise/ExerciseView.h"
#include "exercise/Gauge.h"
#include "exercise/KeyGuide.h"
#include "exercise/Summary.h"
#include "platform/Clock.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramInfo.h"
#include <algorithm>

namespace {
constexpr int ClockIntervalMs = 500;
}

TypingExercise::TypingExercise(ExerciseView& view, KeyGuide& keys, MessageBoxService& messages, const Clock& clock)
    : view_(view), keys_(keys), messages_(messages), clock_(clock)
{
    Timer1_.setInterval(ClockIntervalMs);
    QObject::connect(&Timer1_, &QTimer::timeout, [this] { tick(); });
}

// What both a new text and a new run begin with: empty counters, clock and gauges.
void TypingExercise::clearCounters()
{
    view_.setClockCaption(QString());
    view_.setRightCaption(QString());
    view_.setWrongCaption(QString());
    view_.setProgressWidth(0);
    view_.setSpeedWidth(0);
    state_.TypedChar = 0;
    state_.RightCount = 0;
    state_.WrongCount = 0;
}

void TypingExercise::loadText(const QStringList& lines)
{
    // The loaders are locked out during a run; should one get through, the run ends quietly
    // and unlocks the window rather than go on over a text it no longer has.
    if (running()) {
        Timer1_.stop();
        view_.setExerciseLocked(false);
    }
    view_.setLoadButtonsEnabled(false);
    clearCounters();
    text_ = std::make_shared<PracticeText>(LayoutText(lines));
    // Nothing of the last run may point into the new text: not the cursor, the character the
    // guides wait for, nor the time.
    state_ = ExerciseState{};
    state_.CharCount = text_->CharCount();
    view_.showText(text_);
    view_.fitScrollBar(true);
    view_.setLoadButtonsEnabled(true);
}

void TypingExercise::start()
{
    if (running())
        return; // Start is disabled during an exercise; a queued click must not restart it
    if (keys_.fingerGuideRunning())
        keys_.stopFingerGuide();
    if (text_->CharCount() == 0) {
        messages_.show(QStringLiteral("請先開啟檔案或打字課程，再按「開始」鍵。"), programTitle(), MessageStyle::Information);
        return;
    }
    if (const int shown = text_->clearTypingRow())
        view_.typingCellsChanged(1, shown);
    prepare();
    state_.StartTime = clock_.nowMs();
    lastTickMs_ = state_.StartTime;
    elapsedMs_ = 0;
    Timer1_.start();
    view_.focusText();
    beginChar(1);
}

void TypingExercise::prepare()
{
    view_.setExerciseLocked(true);
    clearCounters();
}

void TypingExercise::beginChar(int index)
{
    state_.CurrentIndex = index;
    view_.scrollToChar(index);
    state_.ExpectedChar = text_->lblTitle(index).ch;
    keys_.outlineKeyFor(state_.ExpectedChar);
    if (state_.ExpectedChar == EnterKey)
        view_.showEnterTag(index);
    keys_.showShiftGuide();
    TypingCell& cell = text_->lblTyping(index);
    cell.cursor = true;
    cell.visible = true;
    cell.typed = 0;
    state_.TypedChar = 0;
    view_.typingCellsChanged(index, index);
}

void TypingExercise::keyPressed(int charCode)
{
    if (keys_.fingerGuideRunning())
        keys_.stopFingerGuide();
    state_.TypedChar = charCode;
    keys_.pushKeyCapFor(charCode);
    if (!running())
        return;
    if (charCode != state_.ExpectedChar && charCode != InterruptKey && charCode != BackspaceKey) {
        ++state_.WrongCount;
        view_.setWrongCaption(QString::number(state_.WrongCount));
    }
    view_.scrollToChar(state_.CurrentIndex);
    judge();
}

void TypingExercise::interrupt()
{
    state_.TypedChar = InterruptKey;
    if (running())
        judge();
}

// The current character's cell shows the key just typed; the right key moves on.
void TypingExercise::judge()
{
    const int index = state_.CurrentIndex;
    if (state_.TypedChar == InterruptKey) {
        unmarkCurrent();
        end();
        return;
    }
    text_->lblTyping(index).typed = static_cast<char16_t>(state_.TypedChar);
    view_.typingCellsChanged(index, index);
    if (state_.TypedChar != state_.ExpectedChar)
        return;

    ++state_.RightCount;
    view_.setRightCaption(QString::number(state_.RightCount));
    view_.setProgressWidth(static_cast<int>(qint64(state_.RightCount) * GaugeFullTwips / state_.CharCount));
    unmarkCurrent();
    keys_.showShiftGuide();
    if (index < state_.CharCount)
        beginChar(index + 1);
    else
        end();
}

void TypingExercise::unmarkCurrent()
{
    const int index = state_.CurrentIndex;
    view_.showEnterTag(0);
    text_->lblTyping(index).cursor = false;
    view_.typingCellsChanged(index, index);
    keys_.clearKeyOutlineFor(state_.ExpectedChar);
}

void TypingExercise::tick()
{
    CursorBlink_ = !CursorBlink_;
    // Time only moves forward: a clock that steps back adds nothing.
    const qint64 now = clock_.nowMs();
    elapsedMs_ += std::max<qint64>(0, now - lastTickMs_);
    lastTickMs_ = now;
    state_.ElapsedSeconds = static_cast<qint32>(elapsedMs_ / 1000);
    view_.setClockCaption(clockCaption(state_.ElapsedSeconds));
    updateSpeedGauge();

    if (!text_->contains(state_.CurrentIndex))
        return;
    TypingCell& cell = text_->lblTyping(state_.CurrentIndex);
    if (cell.cursor == CursorBlink_) {
        cell.cursor = !CursorBlink_;
        view_.typingCellsChanged(state_.CurrentIndex, state_.CurrentIndex);
    }
}

void TypingExercise::setSpeedLevel(int level)
{
    SpeedLevel_ = level;
    updateSpeedGauge();
}

void TypingExercise::updateSpeedGauge()
{
    if (state_.ElapsedSeconds < 1)
        return; // the bar keeps its width until there is a second to measure
    view_.setSpeedWidth(speedBarTwips(state_.RightCount, state_.ElapsedSeconds, SpeedLevel_));
}

void TypingExercise::end()
{
    Timer1_.stop();
    const MessageBoxText summary = summaryFor(state_);
    messages_.show(summary.text, summary.title, summary.style);
    keys_.resetShiftOutlines();
    view_.setExerciseLocked(false);
}
