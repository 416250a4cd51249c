// A toolbar of push buttons with square glyphs from bitmap resources (the size that suits
// the DPI), a name per button and a tooltip hint. Each button is a ToolButton its owner declares
// and binds.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/ColorBrush.h"
#include "ui/Control.h"
#include "ui/Handles.h"

namespace ui {

class ToolButton {
public:
    // Runs the click handler, as a click of the user would.
    void Click() {
        if (OnClick) OnClick();
    }
    std::function<void()> OnClick;
};

struct ToolBarParams {
    int left = 0, top = 0, width = 0, height = 0;
    int buttonWidth = 23, buttonHeight = 22;
    // BITMAPs of the same glyphs side by side, square, magenta where see-through, by
    // glyph size, smallest (16) first; the largest that fits the DPI is shown.
    std::vector<std::pair<int, int>> glyphStrips;  // (glyph size, resource)
    Color background = BtnFace;
};

class ToolBar : public Control {
public:
    ToolBar(HWND parent, const ToolBarParams& params);
    ~ToolBar() override;

    // Adds `button` (which must outlive the toolbar) showing glyph number `glyph`, named
    // `name` for screen readers (the button's text, never shown); an empty hint gives no
    // tooltip. `endsRow` starts a new row after it.
    void Add(ToolButton& button, int glyph, const std::wstring& name, const std::wstring& hint, bool endsRow);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // Where button number `index` sits in the toolbar, its name and the hint its tooltip shows.
    RECT ButtonRect(int index) const;
    std::wstring Name(int index) const;
    std::wstring Hint(int index) const;
    // A button that cannot be pressed shows grey and runs nothing.
    void Enable(int index, bool enabled);
    bool Enabled(int index) const;
    void RelayOut(int dpi) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static constexpr int kFirstCommand = 100;

    struct ImageListTraits {
        static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
    };

    void SizeButtons();
    // Loads the glyphs of the size that suits the layout DPI.
    void LoadGlyphs();

    SIZE buttonSize_;  // in design units
    std::vector<std::pair<int, int>> glyphStrips_;
    std::vector<ToolButton*> buttons_;
    ColorBrush background_;
    UniqueHandle<HIMAGELIST, ImageListTraits> glyphs_;  // the toolbar only borrows it
    UniqueWindow tooltip_;
};

}  // namespace ui
