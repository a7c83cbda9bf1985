#include "platform/CapsLockTracker.h"

namespace {
constexpr quint32 X11LockMask = 0x2;   // the lock bit of an X key event's state, before the event

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
} // namespace

CapsLockTracker::CapsLockTracker(Source source, Reading reading)
    : source_(reading ? source : Source::Follow), read_(std::move(reading))
{
}

bool CapsLockTracker::isOn() const
{
    if (source_ == Source::Follow)
        return followed_;
    if (keyLock_)
        return *keyLock_;
    const bool reading = read_();
    if (expected_) {
        if (*expected_ != reading)
            return *expected_;
        expected_.reset();
    }
    return reading;
}

void CapsLockTracker::keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                                 quint32 nativeModifiers)
{
    const bool capsLockKey = qtKey == Qt::Key_CapsLock;
    switch (source_) {
    case Source::Indicator:
        return;
    case Source::X11Indicator:
        // By the next key the lock has settled; never let a stale expectation outlive it.
        expected_.reset();
        if (capsLockKey)
            expected_ = !(nativeModifiers & X11LockMask);
        else
            keyLock_ = (nativeModifiers & X11LockMask) != 0;
        return;
    case Source::Follow:
        break;
    }
    if (capsLockKey) {
        followed_ = !followed_;
        return;
    }
    // A letter typed without Ctrl or Alt comes out in capitals exactly when Caps Lock and
    // Shift disagree.
    if (text.size() != 1 || !isAsciiLetter(text.front()) ||
        (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return;
    followed_ = text.front().isUpper() != bool(modifiers & Qt::ShiftModifier);
}

void CapsLockTracker::keyReleased(int qtKey)
{
    // X11 clears the lock as the key comes up, so the indicator is right again from here on.
    if (qtKey == Qt::Key_CapsLock)
        expected_.reset();
}
