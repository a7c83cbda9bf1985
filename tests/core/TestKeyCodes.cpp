#include "doubles/FakeCapsLock.h"
#include "keyboard/KeyCodes.h"
#include <gtest/gtest.h>

TEST(KeyCodes, CharactersFindTheirKeyAndShiftAndKeyUpsTheCapOfTheirVirtualKey)
{
    // The Shift a character needs with Caps Lock off and on (2 left, 3 right, 0 none), either side of each split.
    constexpr struct {
        int ch, key, shiftCapsOff, shiftCapsOn;
    } cases[] = {
        {'a', 65, 0, 3},   {'G', 71, 3, 0},   {'h', 72, 0, 2},   {'p', 80, 0, 2},  {'Q', 81, 3, 0},
        {'t', 84, 0, 3},   {'U', 85, 2, 0},   {'y', 89, 0, 2},   {'Z', 90, 3, 0},  {'z', 90, 0, 3},
        {'~', 96, 3, 3},   {'%', 53, 3, 3},   {'^', 54, 2, 2},   {'?', 47, 2, 2},  {'1', 49, 0, 0},
        {'`', 96, 0, 0},   {'/', 47, 0, 0},   {' ', 32, 0, 0},   {13, 13, 0, 0},   {8, 8, 0, 0},
        {9, 9, 0, 0},      {27, 0, 0, 0},     {0, 0, 0, 0},      {127, 0, 0, 0},   {0xE9, 0, 0, 0},
        {0x82F1, 0, 0, 0}, {'A' + 256, 0, 0, 0}, {'`' + 256, 0, 0, 0}, {-65, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "character " << c.ch);
        EXPECT_EQ(BaseKeyCode(c.ch), c.key);
        FakeCapsLock caps;
        EXPECT_EQ(ShiftKeyFor(c.ch, caps), c.shiftCapsOff);
        caps.on = true;
        EXPECT_EQ(ShiftKeyFor(c.ch, caps), c.shiftCapsOn);
    }

    const std::pair<int, int> keyUps[] = {
        {48, 48}, {57, 57}, {65, 65}, {90, 90}, {8, 8},  {9, 9},  {13, 13}, {20, 20}, {32, 32}, {186, 59},
        {222, 39}, {16, 0}, {27, 0}, {47, 0}, {58, 0}, {64, 0}, {91, 0}, {112, 0}, {0, 0},
    };
    for (const auto& [virtualKey, cap] : keyUps)
        EXPECT_EQ(CapForVirtualKey(virtualKey), cap) << "virtual key " << virtualKey;
}
