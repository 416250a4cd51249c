// The one owner of the program's system-wide hot keys: it registers them on a window of
// its own, releases and re-registers them, notes the ones another program holds, and
// hands each WM_HOTKEY to its action's handler. No other window registers a key.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "base/HotKeyTable.h"
#include "ui/Window.h"

namespace ui {

// The global atom the hot-key ids are made from.
inline constexpr char kHotKeyAtom[] = "MyHotKey";
// The class of the message-only window the keys arrive at.
inline constexpr wchar_t kHotKeysClass[] = L"VelloraHotKeys";

class HotKeyRegistrar : private Window {
public:
    HotKeyRegistrar();
    // Every key still held goes back to the other programs.
    ~HotKeyRegistrar() override;

    // What a press of the action's key does.
    void Bind(HotKeyAction action, std::function<void()> handler);
    // Registers the action's key under the id made from the "MyHotKey" atom. False when
    // another program holds the key: it is noted (TakeTaken) and never arrives here.
    bool Hold(HotKeyAction action);
    void Release(HotKeyAction action);
    // Gives the action another key at once: the old one goes back to the other programs.
    // When the new one cannot be had, the old one is held again and the answer is false.
    bool Change(HotKeyAction action, HotKey key);
    // Every key goes back to the other programs (at exit, before the windows go).
    void ReleaseAll();
    bool Held(HotKeyAction action) const;
    HotKey KeyOf(HotKeyAction action) const;
    int IdOf(HotKeyAction action) const;
    // The actions whose keys another program held when they were to be registered, in
    // that order; handed out once, and the next ones start afresh.
    std::vector<HotKeyAction> TakeTaken();

    // Where the keys arrive.
    HWND Handle() const { return Window::Handle(); }

private:
    struct Slot {
        HotKeyAction action;
        HotKey key;
        std::function<void()> handler;
        bool held = false;
    };
    Slot& SlotOf(HotKeyAction action);
    const Slot& SlotOf(HotKeyAction action) const;
    bool Register(Slot& slot);
    void Dispatch(LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    ATOM atom_;
    std::vector<Slot> slots_;
    std::vector<HotKeyAction> taken_;
};

}  // namespace ui
