#include "app/HelpWindow.h"

#include <string>

#include "app/AppTexts.h"
#include "base/Text.h"
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
std::wstring FixedText() { return Text(IDS_HELP_ABOUT) + Text(IDS_HELP_EFFECTS) + Text(IDS_HELP_PEN_KEYS); }

}  // namespace

HelpWindow::HelpWindow()
    : ui::Form(HelpParams()),
      titleFont_(Handle(), ui::TextFace(), 29, true),
      textFont_(Handle(), ui::TextFace(), 19),
      title(Handle(), 224, 32, app::kProductName, titleFont_.get(), ui::BtnFace),
      helpText(Handle(), 56, 112, 529, 329, FixedText()) {
    helpText.SetFont(textFont_.get());
}

void HelpWindow::ShowKeysInUse(const std::wstring& keys) { helpText.SetText(FixedText() + keys); }
