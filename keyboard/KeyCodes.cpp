#include "keyboard/KeyCodes.h"
#include "platform/CapsLockQuery.h"
#include <array>
#include <string_view>

namespace {
struct CharKey {
    char ch;
    int code;
};

// Shifted characters and the key that carries them.
constexpr std::array ShiftedChars{
    CharKey{'~', 96}, CharKey{'_', 45}, CharKey{'+', 61}, CharKey{'{', 91}, CharKey{'}', 93},
    CharKey{'|', 92}, CharKey{':', 59}, CharKey{'"', 39}, CharKey{'<', 44}, CharKey{'>', 46},
    CharKey{'?', 47}, CharKey{'!', 49}, CharKey{'@', 50}, CharKey{'#', 51}, CharKey{'$', 52},
    CharKey{'%', 53}, CharKey{'^', 54}, CharKey{'&', 55}, CharKey{'*', 56}, CharKey{'(', 57},
    CharKey{')', 48},
};

constexpr std::string_view UnshiftedPunctuation = "`-=[]\\;',./";
constexpr std::string_view RightShiftSymbols = "~!@#$%";
constexpr std::string_view LeftShiftSymbols = "^&*()_+{}|:\"<>?";

struct VirtualKeyCap {
    int virtualKey;
    int code;
};

// Punctuation keys' Windows codes (US layout) and their caps.
constexpr std::array PunctuationKeys{
    VirtualKeyCap{186, 59}, VirtualKeyCap{187, 61}, VirtualKeyCap{188, 44}, VirtualKeyCap{189, 45},
    VirtualKeyCap{190, 46}, VirtualKeyCap{191, 47}, VirtualKeyCap{192, 96}, VirtualKeyCap{219, 91},
    VirtualKeyCap{220, 92}, VirtualKeyCap{221, 93}, VirtualKeyCap{222, 39},
};

bool contains(std::string_view set, int ch) { return ch > 0 && ch < 128 && set.find(char(ch)) != set.npos; }
bool isCapital(int ch) { return ch >= 'A' && ch <= 'Z'; }
bool isSmall(int ch) { return ch >= 'a' && ch <= 'z'; }
bool isDigit(int ch) { return ch >= '0' && ch <= '9'; }

// Letters typed by the right hand, which take the left Shift.
bool rightHandLetter(int capital) { return (capital >= 'H' && capital <= 'P') || capital == 'U' || capital == 'Y'; }
} // namespace

int BaseKeyCode(int ch)
{
    if (isDigit(ch) || isCapital(ch) || ch == KeyCode::Backspace || ch == KeyCode::Tab || ch == KeyCode::Enter ||
        ch == KeyCode::Space || contains(UnshiftedPunctuation, ch))
        return ch;
    if (isSmall(ch))
        return ch - 32;
    for (const CharKey& shifted : ShiftedChars)
        if (shifted.ch == ch)
            return shifted.code;
    return 0;
}

int ShiftKeyFor(int ch, const CapsLockQuery& capsLock)
{
    if (isCapital(ch) || isSmall(ch)) {
        // Caps Lock turns the case around, and with it whether Shift is needed.
        if (isCapital(ch) == capsLock.isOn())
            return 0;
        return rightHandLetter(isCapital(ch) ? ch : ch - 32) ? KeyCode::LeftShift : KeyCode::RightShift;
    }
    if (contains(RightShiftSymbols, ch))
        return KeyCode::RightShift;
    if (contains(LeftShiftSymbols, ch))
        return KeyCode::LeftShift;
    return 0;
}

int capForVirtualKey(int virtualKey)
{
    if (isDigit(virtualKey) || isCapital(virtualKey))
        return virtualKey;
    switch (virtualKey) {
    case KeyCode::Backspace:
    case KeyCode::Tab:
    case KeyCode::Enter:
    case KeyCode::CapsLock:
    case KeyCode::Space:
        return virtualKey;
    default:
        break;
    }
    for (const VirtualKeyCap& key : PunctuationKeys)
        if (key.virtualKey == virtualKey)
            return key.code;
    return 0;
}
