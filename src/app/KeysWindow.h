// The keys window: every action the presenter may give a key, the key it has now, a box
// to press another one into, "none", and one button for every default. A change works at
// once and is stored; while the window is active the program holds no key, so every
// combination reaches the box.
#pragma once
#include <memory>
#include <vector>

#include "base/HotKeyTable.h"
#include "ui/CheckBox.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/HotKeyBox.h"
#include "ui/HotKeyRegistrar.h"
#include "ui/Label.h"
#include "ui/Panel.h"

class KeysWindow : public ui::Form {
public:
    explicit KeysWindow(ui::HotKeyRegistrar& keys);

    // Gives `action` the key, as pressing it into the action's box does: refused with a
    // message that says why, the old key kept; else held at once and stored.
    void Choose(HotKeyAction action, HotKey key);
    // Every action gets its default key back, and the defaults are stored.
    void RestoreDefaults();

    struct KeyRow {
        KeyRow(HWND parent, HotKeyAction action, int top, HFONT font);
        HotKeyAction action;
        ui::Label use;
        ui::HotKeyBox box;
        ui::CheckBox none;
    };
    const KeyRow& RowFor(HotKeyAction action) const;

private:
    // The boxes show the keys the actions have.
    void ShowKeys();
    void Store(HotKeyAction action);

    ui::HotKeyRegistrar& keys_;
    ui::ScaledFont textFont_;

public:
    ui::Label hint;
    std::vector<std::unique_ptr<KeyRow>> rows;
    ui::Panel restoreButton;

protected:
    void OnShow() override;
    void OnHide() override;
    bool PreviewKey(HWND target, WPARAM key) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
