#include "app/KeysWindow.h"

#include <optional>

#include "app/AppTexts.h"
#include "app/KeyMessages.h"
#include "base/KeyChoice.h"
#include "base/Text.h"
#include "ui/SettingsFile.h"
#include "store/StoredHotKeys.h"
#include "ui/Application.h"
#include "ui/Contrast.h"
#include "ui/KeyNames.h"

namespace {

constexpr int kFirstRowTop = 44;
constexpr int kRowHeight = 30;
constexpr int kBoxLeft = 320;

ui::FormParams KeysParams() {
    ui::FormParams p;
    p.className = app::kKeysClass;
    p.caption = Text(IDS_KEYS_TITLE);
    p.left = 300;
    p.top = 160;
    p.width = 570;
    p.height = kFirstRowTop + kRowHeight * static_cast<int>(ChangeableActions().size()) + 88;
    p.scaled = true;
    p.dialogKeys = true;
    return p;
}

StoredKey StoredRow(HotKeyAction action, HotKey key) { return {StoredNameOf(action), key.virtualKey, key.modifiers}; }

int RestoreTop() { return kFirstRowTop + kRowHeight * static_cast<int>(ChangeableActions().size()) + 8; }

}  // namespace

KeysWindow::KeyRow::KeyRow(HWND parent, HotKeyAction action, int top, HFONT font)
    : action(action),
      use(parent, 16, top + 3, Text(RowOf(action).use), font, ui::BtnFace),
      box(parent, kBoxLeft, top, 140, 23),
      none(parent, kBoxLeft + 152, top + 1, 64, 21, Text(IDS_KEYS_NONE), ui::BtnFace) {}

KeysWindow::KeysWindow(ui::HotKeyRegistrar& keys)
    : ui::Form(KeysParams()),
      keys_(keys),
      textFont_(Handle(), ui::TextFace(), 16),
      hint(Handle(), 16, 14, Text(IDS_KEYS_HINT), textFont_.get(), ui::BtnFace),
      restoreButton(Handle(), {kBoxLeft, RestoreTop(), 140, 25, Text(IDS_KEYS_RESTORE), ui::ChromeColor(ui::Gray),
                               ui::Bevel::Raised, true}) {
    int top = kFirstRowTop;
    for (HotKeyAction action : ChangeableActions()) {
        auto& row = *rows.emplace_back(std::make_unique<KeyRow>(Handle(), action, top, textFont_.get()));
        row.box.OnPressed = [this, action](HotKey key) { Choose(action, key); };
        row.none.OnClick = [this, &row] { Choose(row.action, row.none.Checked() ? HotKey{} : RowOf(row.action).key); };
        top += kRowHeight;
    }
    restoreButton.OnClick = [this] { RestoreDefaults(); };
}

const KeysWindow::KeyRow& KeysWindow::RowFor(HotKeyAction action) const {
    for (const auto& row : rows)
        if (row->action == action) return *row;
    return *rows.front();
}

void KeysWindow::ShowKeys() {
    for (const auto& row : rows) {
        const HotKey key = keys_.KeyOf(row->action);
        row->box.ShowKey(key);
        row->none.SetChecked(!key.virtualKey);
    }
}

void KeysWindow::OnShow() { ShowKeys(); }

void KeysWindow::OnHide() { keys_.SetChoosing(false); }

bool KeysWindow::PreviewKey(HWND, WPARAM key) {
    if (key != VK_ESCAPE) return false;
    Close();
    return true;
}

LRESULT KeysWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ACTIVATE) keys_.SetChoosing(LOWORD(wParam) != WA_INACTIVE);
    return Form::HandleMessage(msg, wParam, lParam);
}

void KeysWindow::Choose(HotKeyAction action, HotKey key) {
    const HotKey kept = keys_.KeyOf(action);
    if (key == kept) {
        ShowKeys();
        return;
    }
    std::vector<HeldKey> now;
    for (const HotKeyRow& row : kHotKeyRows) now.push_back({row.action, keys_.KeyOf(row.action)});
    const std::optional<KeyRefusal> refusal = RefusedKey(action, key, now);
    const bool changed = !refusal && keys_.Change(action, key);
    ShowKeys();
    if (!changed) {
        ui::Application::Current().ShowMessageBox(RefusedKeyMessage(action, key, kept, refusal, ui::KeyName));
        return;
    }
    try {
        Store(action);
    } catch (...) {
        // What is not stored is not kept either: the next start would not have it.
        keys_.Change(action, kept);
        ShowKeys();
        throw;
    }
}

void KeysWindow::RestoreDefaults() {
    // First every key goes, so that two actions that swapped keys get theirs back.
    for (HotKeyAction action : ChangeableActions()) keys_.Change(action, {});
    std::vector<HotKeyAction> taken;
    for (HotKeyAction action : ChangeableActions())
        if (!keys_.Change(action, RowOf(action).key)) taken.push_back(action);
    ShowKeys();
    // The defaults are stored, also one another program holds now: it is tried again at
    // the next start.
    std::vector<StoredKey> defaults;
    for (HotKeyAction action : ChangeableActions()) defaults.push_back(StoredRow(action, RowOf(action).key));
    WriteStoredHotKeys(defaults, SettingsFile());
    const std::wstring message = TakenHotKeysMessage(taken);
    if (!message.empty()) ui::Application::Current().ShowMessageBox(message);
}

void KeysWindow::Store(HotKeyAction action) {
    const HotKey key = keys_.KeyOf(action);
    WriteStoredHotKeys({StoredRow(action, key)}, SettingsFile());
}
