// The board window (TForm9): a plain full-screen window, not top-most, that the pen's
// black and white boards are copied from.
#pragma once
#include "ui/Form.h"

class Inventory;

class TForm9 : public ui::Form {
public:
    explicit TForm9(Inventory& inventory);
};
