// Every system-wide hot key of the program: one row an action, with its default key, the
// number its id is made from, and what it does in words. Each id is the "MyHotKey" atom
// minus the row's number; all keys are registered on one window, so no two rows share one.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "base/TextIds.h"

// What a hot key does. The keyboard mouse's click and arrows are held only while it is on.
enum class HotKeyAction : std::uint8_t {
    Picture,
    Halo,
    KeyboardMouse,
    Click,
    Left,
    Right,
    Up,
    Down,
    Pen,
    Spotlight,
    Laser,
    ClickRings,
    Pause,  // releases every other key, and takes them back
    Timer,
    LiveInk,  // opens and closes live ink, and switches it between drawing and clicks passing
};

// A key as RegisterHotKey takes it: the virtual-key code and the MOD_* flags held with it.
struct HotKey {
    unsigned virtualKey = 0;
    unsigned modifiers = 0;
    friend constexpr bool operator==(const HotKey&, const HotKey&) = default;
};

// Ctrl+Alt+Shift, the modifiers of the spotlight, laser, click-ring, pause, timer and live-ink keys: no common
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
constexpr unsigned Digit0 = 0x30;
constexpr unsigned Digit1 = 0x31;
constexpr unsigned Digit2 = 0x32;
constexpr unsigned Digit3 = 0x33;
constexpr unsigned Digit4 = 0x34;
constexpr unsigned Digit5 = 0x35;
}  // namespace vk

struct HotKeyRow {
    HotKeyAction action;
    HotKey key;              // the default
    int subtrahend;          // taken from the atom to make the id
    bool withKeyboardMouse;  // held only while the keyboard mouse is on
    const wchar_t* keyName;  // the default key as the presenter reads it
    unsigned use;            // what it does, in words: a text number
};

inline constexpr HotKeyRow kHotKeyRows[] = {
    {HotKeyAction::Picture, {vk::F8}, 0xC000, false, L"F8", IDS_KEY_PICTURE},
    {HotKeyAction::Halo, {vk::F7}, 0xC007, false, L"F7", IDS_KEY_HALO},
    {HotKeyAction::KeyboardMouse, {vk::F6}, 0xC006, false, L"F6", IDS_KEY_KEYBOARD_MOUSE},
    {HotKeyAction::Click, {vk::F5}, 0xC005, true, L"F5", IDS_KEY_CLICK},
    {HotKeyAction::Pen, {vk::Escape}, 0xC008, false, L"Esc", IDS_KEY_PEN},
    {HotKeyAction::Left, {vk::Left}, 0xC001, true, L"←", IDS_KEY_LEFT},
    {HotKeyAction::Right, {vk::Right}, 0xC002, true, L"→", IDS_KEY_RIGHT},
    {HotKeyAction::Up, {vk::Up}, 0xC003, true, L"↑", IDS_KEY_UP},
    {HotKeyAction::Down, {vk::Down}, 0xC004, true, L"↓", IDS_KEY_DOWN},
    {HotKeyAction::Spotlight, {vk::Digit1, kEffectModifiers}, 0xC009, false, L"Ctrl+Alt+Shift+1", IDS_KEY_SPOTLIGHT},
    {HotKeyAction::Laser, {vk::Digit2, kEffectModifiers}, 0xC00A, false, L"Ctrl+Alt+Shift+2", IDS_KEY_LASER},
    {HotKeyAction::ClickRings, {vk::Digit3, kEffectModifiers}, 0xC00B, false, L"Ctrl+Alt+Shift+3", IDS_KEY_CLICK_RINGS},
    {HotKeyAction::Pause, {vk::Digit0, kEffectModifiers}, 0xC00C, false, L"Ctrl+Alt+Shift+0", IDS_KEY_PAUSE},
    {HotKeyAction::Timer, {vk::Digit4, kEffectModifiers}, 0xC00D, false, L"Ctrl+Alt+Shift+4", IDS_KEY_TIMER},
    {HotKeyAction::LiveInk, {vk::Digit5, kEffectModifiers}, 0xC00E, false, L"Ctrl+Alt+Shift+5", IDS_KEY_LIVE_INK},
};

const HotKeyRow& RowOf(HotKeyAction action);

// The atom is taken as an unsigned 16-bit value; the id may come out negative.
constexpr std::int32_t HotKeyId(unsigned atom, int subtrahend) {
    return static_cast<std::int32_t>(atom & 0xFFFFu) - subtrahend;
}

// A hot-key message carries the key's virtual-key code in the high word of lParam and the
// modifiers in the low word.
constexpr HotKey HotKeyOf(std::intptr_t lParam) {
    const auto bits = static_cast<std::uintptr_t>(lParam);
    return {static_cast<unsigned>((bits >> 16) & 0xFFFFu), static_cast<unsigned>(bits & 0xFFFFu)};
}

// The action a hot-key message stands for, among the keys held now: the virtual key tells
// them apart (the id is not looked at), and the modifiers only where two held keys share
// one virtual key. None for a key the program does not hold.
struct HeldKey {
    HotKeyAction action;
    HotKey key;
};
std::optional<HotKeyAction> ActionForMessage(std::span<const HeldKey> held, std::intptr_t lParam);
