// A context menu of captioned items, each with its click handler.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

class PopupMenu {
public:
    PopupMenu();

    // Adds an item; the answer is its index.
    std::size_t Add(const std::wstring& caption, std::function<void()> onClick);
    // Shows a tick beside the item, or takes it away.
    void SetChecked(std::size_t index, bool checked);
    bool Checked(std::size_t index) const;
    std::size_t Count() const { return handlers_.size(); }
    std::wstring Caption(std::size_t index) const;
    // Runs the item's handler, as choosing it would.
    void Click(std::size_t index);
    // Opens the menu with its top-left corner at the screen point and runs the item
    // chosen, if any, after the menu has closed.
    void Popup(HWND owner, int x, int y);

private:
    UniqueMenu menu_;
    std::vector<std::function<void()>> handlers_;
};

}  // namespace ui
