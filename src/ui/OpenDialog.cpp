#include "ui/OpenDialog.h"

#include "ui/Application.h"

namespace ui {

bool OpenDialog::Execute(HWND owner) {
    const auto picked = Application::Current().RunOpenDialog(owner, {filter_, initialDir_});
    if (!picked) return false;
    fileName_ = *picked;
    return true;
}

}  // namespace ui
