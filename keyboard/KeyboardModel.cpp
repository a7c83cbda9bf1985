#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyboardObserver.h"
#include "platform/CapsLockQuery.h"
#include <optional>
#include <QRect>
#include <cmath>

using namespace KeyGeometry;

namespace {
struct CodeRange {
    int first, last;
};
// The order in which start-up records the rest positions.
constexpr std::array RestPositionOrder{
    CodeRange{44, 57}, CodeRange{65, 93}, CodeRange{2, 9}, CodeRange{20, 20}, CodeRange{13, 13},
    CodeRange{32, 32}, CodeRange{96, 96}, CodeRange{61, 61}, CodeRange{59, 59}, CodeRange{39, 39},
};

bool inCodeRange(int code) { return code >= 1 && code <= CodeCount; }

LegendState legendOn(const Legend& legend, const QRectF& cap)
{
    LegendState state;
    state.index = legend.index;
    state.text = legend.text;
    state.font = legend.font;
    state.centred = legend.dx == Centred;
    state.at = QPointF(state.centred ? cap.center().x() : cap.left() + legend.dx, cap.top() + legend.dy);
    return state;
}

// A position read as a 16-bit whole number: the nearest one, halves to even.
qint16 wholePixel(float position) { return static_cast<qint16>(std::nearbyint(position)); }
} // namespace

KeyboardModel::KeyboardModel(const CapsLockQuery& capsLock) : capsLock_(capsLock)
{
    caps_.reserve(KeyPlaces.size());
    shadows_.reserve(KeyPlaces.size());
    capAt_.fill(-1);
    shadowAt_.fill(-1);
    for (const KeyPlace& key : KeyPlaces) {
        const QRectF box(key.left, key.row * RowPitch, key.width, CapHeight);
        capAt_[key.code] = static_cast<qint16>(caps_.size());
        shadowAt_[key.shadow] = static_cast<qint16>(shadows_.size());
        caps_.push_back({key.code, box, colourOf(key.fill)});
        QRectF shadow = box.translated(ShadowOffset, ShadowOffset);
        if (key.shadowWidth) {
            shadow.moveLeft(key.shadowLeft);
            shadow.setWidth(key.shadowWidth);
        }
        shadows_.push_back({key.shadow, shadow});
    }
    for (const KeyLegends& key : KeyLegendTable) {
        const QRectF box = cap(key.code)->box;
        for (const Legend& legend : {key.upper, key.lower})
            if (legend.index >= 0)
                legends_[legend.index] = legendOn(legend, box);
    }
    // The design holds the backslash legends and the Backspace arrow where the arrangement
    // table puts them for SmallEnter.
    for (const ArrangedControl& control : Arrangement)
        if (control.piece == Piece::Legend || control.piece == Piece::BackspaceArrow)
            place(control, control.at[int(KeyboardLayout::SmallEnter)]);

    FillKeyPositions();
    lampColour_ = CapsLockOn() ? PanelColour::LampOn : PanelColour::LampAtStart;
}

bool KeyboardModel::CapsLockOn() const { return capsLock_.isOn(); }

const CapState* KeyboardModel::cap(int code) const
{
    return inCodeRange(code) && capAt_[code] >= 0 ? &caps_[capAt_[code]] : nullptr;
}

CapState* KeyboardModel::capFor(int code) { return const_cast<CapState*>(std::as_const(*this).cap(code)); }

ShadowState* KeyboardModel::shadowFor(int index)
{
    return index >= 0 && index < int(shadowAt_.size()) && shadowAt_[index] >= 0 ? &shadows_[shadowAt_[index]] : nullptr;
}

qint16 KeyboardModel::KeyCapLeft(int code) const { return inCodeRange(code) ? KeyCapLeft_[code] : 0; }
qint16 KeyboardModel::KeyCapTop(int code) const { return inCodeRange(code) ? KeyCapTop_[code] : 0; }

void KeyboardModel::recordRest(int code)
{
    if (const CapState* c = cap(code)) {
        KeyCapLeft_[code] = wholePixel(float(c->box.left()));
        KeyCapTop_[code] = wholePixel(float(c->box.top()));
    }
}

void KeyboardModel::FillKeyPositions()
{
    for (const CodeRange& range : RestPositionOrder)
        for (int code = range.first; code <= range.last; ++code)
            recordRest(code);
}

void KeyboardModel::place(const ArrangedControl& control, const Place& at)
{
    if (at == Unchanged)
        return;
    switch (control.piece) {
    case Piece::Cap:
        if (CapState* c = capFor(control.index)) {
            c->box = QRectF(at.a, at.b, at.c, at.d);
            c->pushed = false;
        }
        break;
    case Piece::Shadow:
        if (ShadowState* s = shadowFor(control.index))
            s->box = QRectF(at.a, at.b, at.c, at.d);
        break;
    case Piece::Legend: {
        // The table gives the label's box; its text is centred in it, a key name starts at its left.
        LegendState& legend = legends_[control.index];
        legend.at = QPointF(legend.centred ? at.a + at.c / 2.0 : at.a, at.b);
        break;
    }
    case Piece::BackspaceArrow:
        backspaceArrow_[control.index] = QLineF(at.a, at.b, at.c, at.d);
        break;
    }
}

void KeyboardModel::ArrangeKeyboard(int index)
{
    if (index >= 0 && index < ArrangementCount) {
        arrangement_ = KeyboardLayout(index);
        for (const ArrangedControl& control : Arrangement)
            place(control, control.at[index]);
        legends_[BackspaceLegend].visible = BackspaceLegendShown[index];
        changed(QRectF(0, 0, PanelWidth, PanelHeight));
    }
    for (int code : ArrangedKeys)
        recordRest(code);
}

void KeyboardModel::changed(const QRectF& area)
{
    if (observer_)
        observer_->keyboardAreaChanged(area.toAlignedRect());
}

void KeyboardModel::moveCap(CapState& c, QPointF to, bool pushed)
{
    c.pushed = pushed;
    if (c.box.topLeft() == to)
        return;
    const QRectF before = c.box;
    c.box.moveTopLeft(to);
    changed(before.united(c.box));
}

void KeyboardModel::push(int code)
{
    if (CapState* c = capFor(code))
        moveCap(*c, QPointF(KeyCapLeft(code) + 1, KeyCapTop(code) + 1), true);
}

void KeyboardModel::release(int code)
{
    if (CapState* c = capFor(code))
        moveCap(*c, QPointF(KeyCapLeft(code), KeyCapTop(code)), false);
}

void KeyboardModel::setGuide(int code, bool guide)
{
    CapState* c = capFor(code);
    if (!c || c->guide == guide)
        return;
    c->guide = guide;
    changed(c->box);
}

void KeyboardModel::outlineKeyFor(int charCode)
{
    if (const int code = BaseKeyCode(charCode))
        setGuide(code, true);
}

void KeyboardModel::clearKeyOutlineFor(int charCode)
{
    if (const int code = BaseKeyCode(charCode))
        setGuide(code, false);
}

void KeyboardModel::pushKeyCapFor(int charCode)
{
    if (const int code = BaseKeyCode(charCode))
        push(code);
}

void KeyboardModel::resetShiftOutlines()
{
    setGuide(KeyCode::LeftShift, false);
    setGuide(KeyCode::RightShift, false);
}

namespace {
// Keeps the one reading a decision took, so that the lamp can show that same state.
class ReadOnce final : public CapsLockQuery {
public:
    explicit ReadOnce(const CapsLockQuery& query) : query_(query) {}
    bool isOn() const override { return *(read = read.value_or(query_.isOn())); }
    mutable std::optional<bool> read;

private:
    const CapsLockQuery& query_;
};
} // namespace

void KeyboardModel::ShowShiftGuide(GuideContext context)
{
    if (!context.running)
        return;
    // Caps Lock may have changed while another window had the keys: a letter's Shift is decided
    // on the system's state now, and the lamp shows the same.
    const ReadOnce capsLock(capsLock_);
    const int shift = ShiftKeyFor(context.expectedChar, capsLock);
    if (capsLock.read)
        showCapsLock(*capsLock.read);
    setGuide(KeyCode::LeftShift, shift == KeyCode::LeftShift);
    setGuide(KeyCode::RightShift, shift != 0 && shift != KeyCode::LeftShift);
}

void KeyboardModel::showCapsLock(bool on)
{
    if (on == (lampColour_ == PanelColour::LampOn))
        return;
    lampColour_ = on ? PanelColour::LampOn : PanelColour::LampOff;
    if (observer_)
        observer_->capsLampChanged(lampColour_);
}

void KeyboardModel::windowActivationChanged(bool active, GuideContext context)
{
    releaseAll();
    if (!active)
        return;
    showCapsLock(CapsLockOn());
    ShowShiftGuide(context);
}

void KeyboardModel::keyDown(int virtualKey, int shift, GuideContext context)
{
    ShiftNudged_ = false;
    if (virtualKey == KeyCode::CapsLock) {
        push(KeyCode::CapsLock);
        ShowShiftGuide(context); // the Shift a letter needs turns with Caps Lock
        lampColour_ = CapsLockOn() ? PanelColour::LampOn : PanelColour::LampOff;
        if (observer_)
            observer_->capsLampChanged(lampColour_);
    }
    if (shift & 1) {
        push(KeyCode::LeftShift);
        push(KeyCode::RightShift);
        ShiftNudged_ = true;
    }
}

void KeyboardModel::keyUp(int virtualKey, int /*shift*/)
{
    if (const int code = capForVirtualKey(virtualKey))
        release(code);
    if (ShiftNudged_) {
        release(KeyCode::LeftShift);
        release(KeyCode::RightShift);
    }
}

// A key-up that went to another window never arrives: every pushed cap springs back.
void KeyboardModel::releaseAll()
{
    for (const CapState& c : caps_)
        if (c.pushed)
            release(c.code);
}
