#include "platform/VirtualKey.h"
#include <Qt>
#include <array>

namespace {
struct KeyCodePair {
    int qtKey;
    int virtualKey;
};

// Shifted punctuation maps to the code of the key that carries it, so key-up pairs with
// key-down whichever character the key produced.
constexpr std::array Punctuation{
    KeyCodePair{Qt::Key_Semicolon, 186},   KeyCodePair{Qt::Key_Colon, 186},
    KeyCodePair{Qt::Key_Equal, 187},       KeyCodePair{Qt::Key_Plus, 187},
    KeyCodePair{Qt::Key_Comma, 188},       KeyCodePair{Qt::Key_Less, 188},
    KeyCodePair{Qt::Key_Minus, 189},       KeyCodePair{Qt::Key_Underscore, 189},
    KeyCodePair{Qt::Key_Period, 190},      KeyCodePair{Qt::Key_Greater, 190},
    KeyCodePair{Qt::Key_Slash, 191},       KeyCodePair{Qt::Key_Question, 191},
    KeyCodePair{Qt::Key_QuoteLeft, 192},   KeyCodePair{Qt::Key_AsciiTilde, 192},
    KeyCodePair{Qt::Key_BracketLeft, 219}, KeyCodePair{Qt::Key_BraceLeft, 219},
    KeyCodePair{Qt::Key_Backslash, 220},   KeyCodePair{Qt::Key_Bar, 220},
    KeyCodePair{Qt::Key_BracketRight, 221}, KeyCodePair{Qt::Key_BraceRight, 221},
    KeyCodePair{Qt::Key_Apostrophe, 222},  KeyCodePair{Qt::Key_QuoteDbl, 222},
    KeyCodePair{Qt::Key_Exclam, 49},       KeyCodePair{Qt::Key_At, 50},
    KeyCodePair{Qt::Key_NumberSign, 51},   KeyCodePair{Qt::Key_Dollar, 52},
    KeyCodePair{Qt::Key_Percent, 53},      KeyCodePair{Qt::Key_AsciiCircum, 54},
    KeyCodePair{Qt::Key_Ampersand, 55},    KeyCodePair{Qt::Key_Asterisk, 56},
    KeyCodePair{Qt::Key_ParenLeft, 57},    KeyCodePair{Qt::Key_ParenRight, 48},
};

constexpr std::array ControlKeys{
    KeyCodePair{Qt::Key_Backspace, 8}, KeyCodePair{Qt::Key_Tab, 9},
    KeyCodePair{Qt::Key_Backtab, 9},   KeyCodePair{Qt::Key_Return, 13},
    KeyCodePair{Qt::Key_Enter, 13},    KeyCodePair{Qt::Key_Shift, 16},
    KeyCodePair{Qt::Key_Control, 17},  KeyCodePair{Qt::Key_Alt, 18},
    KeyCodePair{Qt::Key_CapsLock, 20}, KeyCodePair{Qt::Key_Escape, 27},
    KeyCodePair{Qt::Key_Space, 32},    KeyCodePair{Qt::Key_Left, 37},
    KeyCodePair{Qt::Key_Up, 38},       KeyCodePair{Qt::Key_Right, 39},
    KeyCodePair{Qt::Key_Down, 40},     KeyCodePair{Qt::Key_Delete, 46},
};
} // namespace

int virtualKeyFor(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // Qt and Windows agree on digits and capitals
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    for (const auto& pair : Punctuation)
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    for (const auto& pair : ControlKeys)
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    return 0;
}
