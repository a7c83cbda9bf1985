#include "doubles/FakeCapsLock.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyTable.h"
#include "platform/VirtualKey.h"
#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

// Every cap, read from its legends: the characters it shows find it, take the Shift of the
// other hand when shifted, and the key-up of the key that typed them releases it.
TEST(KeyCodes, EveryCapCarriesTheCharactersOfItsLegends)
{
    // The hand typing a cap: the one on its side of its row's gap (5|6, T|Y, G|H, B|N, mid-space).
    constexpr int HandsMeet[] = {288, 316, 324, 348, 334};
    int characters = 0;
    FakeCapsLock caps;
    for (const KeyLegends& key : KeyLegendTable) {
        const KeyPlace& place = *std::ranges::find(KeyPlaces, key.code, &KeyPlace::code);
        const int otherHandsShift = place.left < HandsMeet[place.row] ? KeyCode::RightShift : KeyCode::LeftShift;
        for (const auto& [legend, shifted] : {std::pair(key.upper, true), std::pair(key.lower, false)}) {
            const QString text = QString::fromUtf16(legend.text);
            if (text.size() != 1)
                continue; // a key's name
            const char16_t shown = text.front().unicode();
            const int ch = shown >= 0xFF01 && shown <= 0xFF5E ? shown - 0xFEE0 : shown; // full-width legends
            const bool letter = QChar(ch).isLetter();
            SCOPED_TRACE(testing::Message() << "character " << char(ch) << " on key " << key.code);
            ++characters;
            EXPECT_EQ(BaseKeyCode(ch), key.code);
            caps.on = false;
            EXPECT_EQ(ShiftKeyFor(ch, caps), shifted ? otherHandsShift : 0);
            caps.on = true; // turns a letter's case around, and nothing else
            EXPECT_EQ(ShiftKeyFor(ch, caps), shifted != letter ? otherHandsShift : 0);
            EXPECT_EQ(capForVirtualKey(virtualKeyFor(QChar(ch).toUpper().unicode())), key.code);
        }
    }
    EXPECT_EQ(characters, 94) << "every printable ASCII character but the space";

    // Keys named rather than lettered, and characters and keys that have no cap.
    for (const auto& [qtKey, code] : {std::pair(Qt::Key_Backspace, 8), {Qt::Key_Tab, 9}, {Qt::Key_Return, 13},
             {Qt::Key_CapsLock, 20}, {Qt::Key_Space, 32}, {Qt::Key_Shift, 0}, {Qt::Key_Escape, 0}, {Qt::Key_F1, 0}}) {
        EXPECT_EQ(capForVirtualKey(virtualKeyFor(qtKey)), code) << "key " << qtKey;
        EXPECT_TRUE(code == 0 || code == 20 || BaseKeyCode(code) == code) << "the character the key types";
    }
    for (const int ch : {27, 0, 127, 0xE9, 0x82F1, 'A' + 256, '`' + 256, -65})
        EXPECT_EQ(std::pair(BaseKeyCode(ch), ShiftKeyFor(ch, caps)), std::pair(0, 0)) << "character " << ch;
    for (const int virtualKey : {27, 47, 58, 64, 91, 0})
        EXPECT_EQ(capForVirtualKey(virtualKey), 0) << "virtual key " << virtualKey;
}
