// A picture area: draws its Picture from the top-left corner at natural size (cut off
// at the control's edges) or stretched, over the colour of the parent it stands on.
#pragma once
#include <windows.h>

#include <functional>

#include "ui/ColorBrush.h"
#include "ui/Control.h"
#include "ui/Handles.h"
#include "ui/Picture.h"

namespace ui {

class Image : public Control {
public:
    Image(HWND parent, int left, int top, int width, int height, Color background, bool stretch = false);

    const Picture& GetPicture() const { return picture_; }
    void SetPicture(Picture picture);

    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    Picture picture_;
    bool stretch_;
    ColorBrush background_;
};

}  // namespace ui
