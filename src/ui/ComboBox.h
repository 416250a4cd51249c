// A drop-down list, editable or not. Choosing an entry runs OnChange; text typed into an
// editable box that is no entry changes nothing.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class ComboBox : public Control {
public:
    // The first entry is selected. Without a font the box uses the default GUI font. The
    // edit part has no margins, so that short entries show whole in a narrow box.
    ComboBox(HWND parent, int left, int top, int width, const std::vector<std::wstring>& items, HFONT font = nullptr,
             bool editable = true);

    int ItemIndex() const;
    // Chooses an entry as the user would, running OnChange.
    void Select(int index);
    // Shows entry `index` as chosen, without running OnChange.
    void ShowChosen(int index);
    // Whether the list of entries is dropped down, and closing it without a choice.
    bool DroppedDown() const;
    void CloseUp();

    std::function<void()> OnChange;

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace ui
