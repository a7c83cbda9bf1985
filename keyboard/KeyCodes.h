#pragma once

class CapsLockQuery;

// Key codes: a character key's code is its unshifted character (capitals for letters);
// the other keys have fixed ones.
namespace KeyCode {
inline constexpr int LeftShift = 2;
inline constexpr int RightShift = 3;
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int CapsLock = 20;
inline constexpr int Space = 32;
} // namespace KeyCode

// The key that carries character `ch`, or 0 when no key of the panel does.
int BaseKeyCode(int ch);

// The Shift key `ch` needs: 0 none, 2 left, 3 right (the hand opposite the key's finger).
// Asks the Caps Lock state for letters only.
int ShiftKeyFor(int ch, const CapsLockQuery& capsLock);

// The cap a key-up of this Windows virtual-key code releases, or 0.
int capForVirtualKey(int virtualKey);
