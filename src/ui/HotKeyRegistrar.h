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
    // The action's key is wanted from now on, and registered under the id made from the
    // "MyHotKey" atom unless the keys are paused or being chosen. False when another
    // program holds the key: it is noted (TakeTaken) and never arrives here.
    bool Hold(HotKeyAction action);
    void Release(HotKeyAction action);
    // Gives the action another key at once: the old one goes back to the other programs.
    // The new key is tried even where the action holds none now (a key of the keyboard
    // mouse while it is off, or while paused): when another program holds it, the old
    // key is kept and the answer is false.
    bool Change(HotKeyAction action, HotKey key);
    // Every key goes back to the other programs, and none is wanted any more (at exit,
    // before the windows go).
    void ReleaseAll();
    // Paused, every key but the pause key is the other programs'; taken back after, each
    // one another program took meanwhile noted (TakeTaken).
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    // While the presenter chooses keys, every key is theirs to press into the keys window.
    void SetChoosing(bool choosing);
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
        bool wanted = false;  // held unless paused or being chosen
        bool held = false;
    };
    Slot& SlotOf(HotKeyAction action);
    const Slot& SlotOf(HotKeyAction action) const;
    bool Register(Slot& slot);
    void Unregister(Slot& slot);
    bool Suspended(const Slot& slot) const;
    // Holds a wanted key unless suspended; a key another program holds is noted.
    bool Take(Slot& slot);
    // Registers what is wanted and not suspended, and releases the rest.
    void Reconcile();
    void Dispatch(LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    ATOM atom_;
    std::vector<Slot> slots_;
    std::vector<HotKeyAction> taken_;
    bool paused_ = false;
    bool choosing_ = false;
};

}  // namespace ui
