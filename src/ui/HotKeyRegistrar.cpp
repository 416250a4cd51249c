#include "ui/HotKeyRegistrar.h"

#include <algorithm>
#include <utility>

namespace ui {

HotKeyRegistrar::HotKeyRegistrar() : atom_(GlobalAddAtomA(kHotKeyAtom)) {
    for (const HotKeyRow& row : kHotKeyRows) slots_.push_back({row.action, row.key, {}});
    RegisterClassOnce(kHotKeysClass);
    CreateHandle(0, kHotKeysClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
}

HotKeyRegistrar::~HotKeyRegistrar() {
    ReleaseAll();
    GlobalDeleteAtom(atom_);
}

void HotKeyRegistrar::ReleaseAll() {
    for (const Slot& slot : slots_) Release(slot.action);
}

HotKeyRegistrar::Slot& HotKeyRegistrar::SlotOf(HotKeyAction action) {
    return const_cast<Slot&>(std::as_const(*this).SlotOf(action));
}

const HotKeyRegistrar::Slot& HotKeyRegistrar::SlotOf(HotKeyAction action) const {
    for (const Slot& slot : slots_)
        if (slot.action == action) return slot;
    return slots_.front();  // every action has a row, so a slot
}

void HotKeyRegistrar::Bind(HotKeyAction action, std::function<void()> handler) {
    SlotOf(action).handler = std::move(handler);
}

int HotKeyRegistrar::IdOf(HotKeyAction action) const {
    // RegisterHotKey wants an application's ids in 0x0000-0xBFFF: made from an atom of the
    // program's own, they cannot collide with another program's in a shared DLL.
    return HotKeyId(atom_, RowOf(action).subtrahend);
}

bool HotKeyRegistrar::Register(Slot& slot) {
    if (!slot.key.virtualKey) {  // the action has no key: nothing to hold, nothing taken
        slot.held = false;
        return true;
    }
    slot.held = RegisterHotKey(Handle(), IdOf(slot.action), slot.key.modifiers, slot.key.virtualKey) != 0;
    return slot.held;
}

bool HotKeyRegistrar::Hold(HotKeyAction action) {
    Slot& slot = SlotOf(action);
    if (slot.held) return true;
    // Fails when another program holds the key (ERROR_HOTKEY_ALREADY_REGISTERED).
    if (Register(slot)) return true;
    if (std::find(taken_.begin(), taken_.end(), action) == taken_.end()) taken_.push_back(action);
    return false;
}

void HotKeyRegistrar::Release(HotKeyAction action) {
    Slot& slot = SlotOf(action);
    if (!slot.held) return;
    UnregisterHotKey(Handle(), IdOf(action));
    slot.held = false;
}

bool HotKeyRegistrar::Change(HotKeyAction action, HotKey key) {
    Slot& slot = SlotOf(action);
    const bool wasHeld = slot.held;
    const HotKey old = slot.key;
    Release(action);
    slot.key = key;
    if (!wasHeld || Register(slot)) return true;
    slot.key = old;
    Register(slot);
    return false;
}

bool HotKeyRegistrar::Held(HotKeyAction action) const { return SlotOf(action).held; }

HotKey HotKeyRegistrar::KeyOf(HotKeyAction action) const { return SlotOf(action).key; }

std::vector<HotKeyAction> HotKeyRegistrar::TakeTaken() { return std::exchange(taken_, {}); }

void HotKeyRegistrar::Dispatch(LPARAM lParam) {
    std::vector<HeldKey> held;
    for (const Slot& slot : slots_)
        if (slot.held) held.push_back({slot.action, slot.key});
    const std::optional<HotKeyAction> action = ActionForMessage(held, lParam);
    if (!action) return;
    // A copy: the handler may bind again (the keyboard mouse's keys come and go).
    const std::function<void()> handler = SlotOf(*action).handler;
    if (handler) handler();
}

LRESULT HotKeyRegistrar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_HOTKEY) {
        Dispatch(lParam);
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace ui
