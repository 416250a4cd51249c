// Every system-wide hot key of the program and the arithmetic of its id. Each id is the
// "MyHotKey" atom minus a constant per key; ids only need to be unique per window, so
// F8, F7 and Esc share one number on three different windows.
#pragma once
#include <cstdint>

struct HotKey {
    unsigned virtualKey;
    int subtrahend;  // taken from the atom to make the id
};

namespace hotkeys {
constexpr HotKey F8{0x77, 0xC000};
constexpr HotKey F5{0x74, 0xC005};
constexpr HotKey F6{0x75, 0xC006};
constexpr HotKey Left{0x25, 0xC001};
constexpr HotKey Right{0x27, 0xC002};
constexpr HotKey Up{0x26, 0xC003};
constexpr HotKey Down{0x28, 0xC004};
constexpr HotKey F7{0x76, 0xC000};
constexpr HotKey Esc{0x1B, 0xC000};
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
