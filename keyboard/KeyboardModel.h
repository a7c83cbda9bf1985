#pragma once
#include "keyboard/Arrangements.h"
#include "keyboard/KeyTable.h"
#include <QLineF>
#include <QRectF>
#include <array>
#include <vector>

class CapsLockQuery;
class KeyboardObserver;

// What the Shift guide needs of the exercise: whether one runs, and the character it waits for.
struct GuideContext {
    bool running = false;
    int expectedChar = 0;
};

// Shape1(code): a key cap as it stands now.
struct CapState {
    int code;
    QRectF box;
    unsigned fill;
    bool pushed = false;   // drawn one pixel right and down of its rest position
    bool guide = false;    // red 4-pixel outline instead of the black 1-pixel one
};

// ShpKey(index): the shadow behind a cap.
struct ShadowState {
    int index;
    QRectF box;
};

// LblTit(index): a legend label.
struct LegendState {
    int index = -1;
    const char16_t* text = u"";
    LegendFont font = LegendFont::Symbol;
    bool centred = true;   // at.x() is the text's centre, else its left edge
    QPointF at;            // y is the text's top
    bool visible = true;
};

// The keyboard panel's state and its rules: where every cap, shadow and legend stands in the
// chosen arrangement, the caps' rest positions, which caps are pushed in or outlined, and the
// Caps Lock lamp. Tells its observer which panel pixels each change touches.
class KeyboardModel {
public:
    // As start-up leaves it: the design arrangement, rest positions recorded, the lamp green
    // if Caps Lock is on and its design grey otherwise.
    explicit KeyboardModel(const CapsLockQuery& capsLock);
    KeyboardModel(const KeyboardModel&) = delete;
    KeyboardModel& operator=(const KeyboardModel&) = delete;

    void setObserver(KeyboardObserver* observer) { observer_ = observer; }

    bool CapsLockOn() const;
    // optKey(index): 0 SmallEnter, 1 BackslashUp, 2 BackslashDown.
    void ArrangeKeyboard(int index);
    KeyboardLayout arrangement() const { return arrangement_; }
    // Rest position of Shape1(code); 0 for codes no key has.
    qint16 KeyCapLeft(int code) const;
    qint16 KeyCapTop(int code) const;

    // The typing loop's calls, each given a character code; 0 and characters without a key
    // change nothing.
    void outlineKeyFor(int charCode);
    void clearKeyOutlineFor(int charCode);
    void pushKeyCapFor(int charCode);
    // Outlines the Shift key the expected character needs; does nothing outside an exercise.
    void ShowShiftGuide(GuideContext context);
    void resetShiftOutlines();   // both Shift caps back to the normal outline

    // The window's key-down and key-up: Windows virtual-key code, Shift in bit 0.
    void keyDown(int virtualKey, int shift, GuideContext context);
    void keyUp(int virtualKey, int shift);
    // The window lost or regained the keys: caps spring back, and on regaining them the lamp and
    // the Shift guide catch up with a Caps Lock pressed in another window.
    void windowActivationChanged(bool active, GuideContext context);

    const std::vector<CapState>& caps() const { return caps_; }
    const CapState* cap(int code) const;
    const std::vector<ShadowState>& shadows() const { return shadows_; }
    const std::array<LegendState, LegendCount>& legends() const { return legends_; }
    // Line1(0), Line2(0), Line3(0).
    const std::array<QLineF, 3>& backspaceArrow() const { return backspaceArrow_; }
    bool ShiftNudged() const { return ShiftNudged_; }
    unsigned lampColour() const { return lampColour_; }

private:
    CapState* capFor(int code);
    ShadowState* shadowFor(int index);
    void moveCap(CapState& cap, QPointF to, bool pushed);
    void push(int code);
    void release(int code);
    void setGuide(int code, bool guide);
    void recordRest(int code);
    void place(const ArrangedControl& control, const Place& at);
    void changed(const QRectF& area);
    void showCapsLock(bool on);
    void FillKeyPositions();
    void releaseAll();

    const CapsLockQuery& capsLock_;
    KeyboardObserver* observer_ = nullptr;
    std::vector<CapState> caps_;
    std::vector<ShadowState> shadows_;
    // Where a key code's cap and a shadow index's shadow stand in the lists; -1 for none.
    std::array<qint16, KeyGeometry::CodeCount + 1> capAt_;
    std::array<qint16, KeyGeometry::ShadowCount> shadowAt_;
    std::array<LegendState, LegendCount> legends_{};
    std::array<QLineF, 3> backspaceArrow_{};
    std::array<qint16, KeyGeometry::CodeCount + 1> KeyCapLeft_{};
    std::array<qint16, KeyGeometry::CodeCount + 1> KeyCapTop_{};
    KeyboardLayout arrangement_ = KeyboardLayout::SmallEnter;
    bool ShiftNudged_ = false;
    unsigned lampColour_;
};
