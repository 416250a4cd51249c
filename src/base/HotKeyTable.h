// Every system-wide hot key of the program: one row an action, with its default key, the
// number its id is made from, and what it does in words. Each id is the "MyHotKey" atom
// minus the row's number; all keys are registered on one window, so no two rows share one.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

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
};

// A key as RegisterHotKey takes it: the virtual-key code and the MOD_* flags held with it.
struct HotKey {
    unsigned virtualKey = 0;
    unsigned modifiers = 0;
    friend constexpr bool operator==(const HotKey&, const HotKey&) = default;
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

struct HotKeyRow {
    HotKeyAction action;
    HotKey key;              // the default
    int subtrahend;          // taken from the atom to make the id
    bool withKeyboardMouse;  // held only while the keyboard mouse is on
    const wchar_t* keyName;  // the default key as the presenter reads it
    const wchar_t* use;      // what it does, in words
};

inline constexpr HotKeyRow kHotKeyRows[] = {
    {HotKeyAction::Picture, {vk::F8}, 0xC000, false, L"F8", L"显示或隐藏鼠标跟随"},
    {HotKeyAction::Halo, {vk::F7}, 0xC007, false, L"F7", L"显示或隐藏鼠标光环"},
    {HotKeyAction::KeyboardMouse, {vk::F6}, 0xC006, false, L"F6", L"开关键盘鼠标"},
    {HotKeyAction::Click, {vk::F5}, 0xC005, true, L"F5", L"键盘鼠标单击"},
    {HotKeyAction::Pen, {vk::Escape}, 0xC008, false, L"Esc", L"打开或关闭电子笔"},
    {HotKeyAction::Left, {vk::Left}, 0xC001, true, L"←", L"键盘鼠标左移"},
    {HotKeyAction::Right, {vk::Right}, 0xC002, true, L"→", L"键盘鼠标右移"},
    {HotKeyAction::Up, {vk::Up}, 0xC003, true, L"↑", L"键盘鼠标上移"},
    {HotKeyAction::Down, {vk::Down}, 0xC004, true, L"↓", L"键盘鼠标下移"},
    {HotKeyAction::Spotlight, {vk::Digit1, kEffectModifiers}, 0xC009, false, L"Ctrl+Alt+Shift+1", L"开关聚光灯"},
    {HotKeyAction::Laser, {vk::Digit2, kEffectModifiers}, 0xC00A, false, L"Ctrl+Alt+Shift+2", L"开关激光笔"},
    {HotKeyAction::ClickRings, {vk::Digit3, kEffectModifiers}, 0xC00B, false, L"Ctrl+Alt+Shift+3", L"开关点击光圈"},
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
