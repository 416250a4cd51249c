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
    // Fails when another program holds the key (ERROR_HOTKEY_ALREADY_REGISTERED).
    slot.held = RegisterHotKey(Handle(), IdOf(slot.action), slot.key.modifiers, slot.key.virtualKey) != 0;
    return slot.held;
}

void HotKeyRegistrar::Unregister(Slot& slot) {
    if (!slot.held) return;
    UnregisterHotKey(Handle(), IdOf(slot.action));
    slot.held = false;
}

bool HotKeyRegistrar::Suspended(const Slot& slot) const {
    return choosing_ || (paused_ && slot.action != HotKeyAction::Pause);
}

bool HotKeyRegistrar::Take(Slot& slot) {
    if (slot.held || Suspended(slot) || Register(slot)) return true;
    if (std::find(taken_.begin(), taken_.end(), slot.action) == taken_.end()) taken_.push_back(slot.action);
    return false;
}

void HotKeyRegistrar::Reconcile() {
    for (Slot& slot : slots_) {
        if (!slot.wanted || Suspended(slot))
            Unregister(slot);
        else
            Take(slot);
    }
}

bool HotKeyRegistrar::Hold(HotKeyAction action) {
    Slot& slot = SlotOf(action);
    slot.wanted = true;
    return Take(slot);
}

void HotKeyRegistrar::Release(HotKeyAction action) {
    Slot& slot = SlotOf(action);
    slot.wanted = false;
    Unregister(slot);
}

void HotKeyRegistrar::SetPaused(bool paused) {
    paused_ = paused;
    Reconcile();
}

void HotKeyRegistrar::SetChoosing(bool choosing) {
    choosing_ = choosing;
    Reconcile();
}

bool HotKeyRegistrar::Change(HotKeyAction action, HotKey key) {
    Slot& slot = SlotOf(action);
    if (slot.key == key) return true;
    const HotKey old = slot.key;
    const bool wasHeld = slot.held;
    Unregister(slot);
    slot.key = key;
    // Tried now, held or not: a key another program holds is refused while the
    // presenter is still at the keys window, not found taken later.
    if (!Register(slot)) {
        slot.key = old;
        if (wasHeld) Register(slot);
        return false;
    }
    if (!slot.wanted || Suspended(slot)) Unregister(slot);
    return true;
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
