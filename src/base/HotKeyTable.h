// Every system-wide hot key of the program and the arithmetic of its id. Each id is the
// "MyHotKey" atom minus a constant per key; ids only need to be unique per window, so
// F8, F7 and Esc share one number on three different windows.
#pragma once
#include <cstdint>

struct HotKey {
    unsigned virtualKey;
    int subtrahend;          // taken from the atom to make the id
    unsigned modifiers = 0;  // MOD_* flags held with the key; the bare key when 0
};

// Ctrl+Alt+Shift, the modifiers of the spotlight, laser and click-ring keys: no common
// presentation program, browser or office suite gives a digit with all three a meaning.
inline constexpr unsigned kEffectModifiers = 0x0001 | 0x0002 | 0x0004;  // MOD_ALT | MOD_CONTROL | MOD_SHIFT

// Virtual-key codes of the keys the program registers.
namespace vk {
constexpr unsigned Escape = 0x1B;
constexpr unsigned Left = 0x25;
constexpr unsigned Up = 0x26;
constexpr unsigned Right = 0x27;
constexpr unsigned Down = 0x28;
constexpr unsigned F5 = 0x74;
constexpr unsigned F6 = 0x75;
constexpr unsigned F7 = 0x76;
constexpr unsigned F8 = 0x77;
constexpr unsigned Digit1 = 0x31;
constexpr unsigned Digit2 = 0x32;
constexpr unsigned Digit3 = 0x33;
}  // namespace vk

namespace hotkeys {
constexpr HotKey F8{vk::F8, 0xC000};
constexpr HotKey F5{vk::F5, 0xC005};
constexpr HotKey F6{vk::F6, 0xC006};
constexpr HotKey Left{vk::Left, 0xC001};
constexpr HotKey Right{vk::Right, 0xC002};
constexpr HotKey Up{vk::Up, 0xC003};
constexpr HotKey Down{vk::Down, 0xC004};
constexpr HotKey F7{vk::F7, 0xC000};
constexpr HotKey Esc{vk::Escape, 0xC000};
// Each on a window of its own, so they share the number of F7 and Esc.
constexpr HotKey Spotlight{vk::Digit1, 0xC000, kEffectModifiers};
constexpr HotKey Laser{vk::Digit2, 0xC000, kEffectModifiers};
constexpr HotKey ClickRings{vk::Digit3, 0xC000, kEffectModifiers};
}  // namespace hotkeys

// The atom is taken as an unsigned 16-bit value; the id may come out negative.
constexpr std::int32_t HotKeyId(unsigned atom, const HotKey& key) {
    return static_cast<std::int32_t>(atom & 0xFFFFu) - key.subtrahend;
}

// Hot-key messages are told apart by the virtual-key code in the high word of lParam;
// the id and the modifier flags are not looked at.
constexpr unsigned HotKeyVirtualKey(std::intptr_t lParam) {
    return static_cast<unsigned>((static_cast<std::uintptr_t>(lParam) >> 16) & 0xFFFFu);
}
