// The pen window (TForm8).
#pragma once
#include "ui/Button.h"
#include "ui/Form.h"

class Inventory;

class TForm8 : public ui::Form {
public:
    explicit TForm8(Inventory& inventory);

    // The copy operations: CaptureScreen, FillBlack, FillWhite, CaptureSelf.
    ui::Button Button1, Button2, Button3, Button4;
};
