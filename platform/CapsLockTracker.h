#pragma once
#include "platform/CapsLockQuery.h"
#include <functional>
#include <optional>

// The Caps Lock toggle as the window can know it: read from the system where it can be,
// followed from the keys it sees where it cannot.
class CapsLockTracker final : public CapsLockQuery {
public:
    enum class Source {
        Follow,        // no query: each Caps Lock press toggles, a letter's case corrects it
        Indicator,     // the system's toggle, already the new one while its key goes down
        X11Indicator,  // XKB's indicator, which shows the lock going off only from the release on
    };
    using Reading = std::function<bool()>;

    explicit CapsLockTracker(Source source = Source::Follow, Reading reading = {});

    bool isOn() const override;
    void keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                    quint32 nativeModifiers) override;
    void keyReleased(int qtKey) override;
    void keysMissed() override { expected_.reset(); keyLock_.reset(); }
    void keyHandled() override { keyLock_.reset(); }
    Source source() const { return source_; }

private:
    Source source_;
    Reading read_;
    bool followed_ = false;
    // The state the X11 toggle takes with a Caps Lock press, until the indicator agrees or the
    // key is released, whichever comes first: from then on only the indicator knows, as the
    // toggle may change in another window.
    mutable std::optional<bool> expected_;
    // The X11 toggle as the key being handled carries it: reading the indicator instead would
    // make every key that asks wait for the X server.
    std::optional<bool> keyLock_;
};
