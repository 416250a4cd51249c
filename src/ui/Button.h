// An invisible button that names an operation of its form: other code runs the operation
// by clicking it in code.
#pragma once
#include <functional>

namespace ui {

class Button {
public:
    void Click() {
        if (OnClick) OnClick();
    }
    std::function<void()> OnClick;
};

}  // namespace ui
