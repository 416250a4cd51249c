// The help window (TForm5).
#pragma once
#include "ui/Form.h"

class Inventory;

class TForm5 : public ui::Form {
public:
    explicit TForm5(Inventory& inventory);
};
