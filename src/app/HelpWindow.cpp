#include "app/HelpWindow.h"

#include <string>

#include "app/AppTexts.h"
#include "app/HelpText.h"
#include "ui/Font.h"

namespace {
ui::FormParams HelpParams() {
    ui::FormParams p;
    p.className = app::kHelpClass;
    p.caption = app::kProductName;
    p.left = 230;
    p.top = 189;
    p.width = 624;
    p.height = 480;
    p.scaled = true;
    return p;
}
}  // namespace

HelpWindow::HelpWindow()
    : ui::Form(HelpParams()),
      titleFont_(Handle(), L"宋体", 29, true),
      textFont_(Handle(), L"宋体", 19),
      title(Handle(), 224, 32, app::kProductName, titleFont_.get(), ui::BtnFace),
      helpText(Handle(), 56, 112, 529, 329, std::wstring(kHelpText) + kEffectsHelpText + kPenKeysHelpText) {
    helpText.SetFont(textFont_.get());
}
