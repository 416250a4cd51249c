#include "app/HelpWindow.h"

#include "app/HelpText.h"
#include "ui/Font.h"

namespace {
ui::FormParams HelpParams() {
    ui::FormParams p;
    p.className = L"TForm5";
    p.caption = L"Vellora";
    p.left = 230;
    p.top = 189;
    p.width = 624;
    p.height = 480;
    p.scaled = true;
    return p;
}
}  // namespace

TForm5::TForm5(Inventory&)
    : ui::Form(HelpParams()),
      titleFont_(Handle(), L"宋体", 29, true),
      textFont_(Handle(), L"宋体", 19),
      Label1(Handle(), 224, 32, L"Vellora", titleFont_.get(), ui::BtnFace),
      RichEdit1(Handle(), 56, 112, 529, 329, kHelpText) {
    RichEdit1.SetFont(textFont_.get());
}
