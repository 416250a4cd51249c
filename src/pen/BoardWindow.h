// The board window (TForm9): a plain full-screen window the pen copies its black and
// white boards from.
#pragma once
#include "ui/Form.h"

class Inventory;

class TForm9 : public ui::Form {
public:
    explicit TForm9(Inventory& inventory);
};
