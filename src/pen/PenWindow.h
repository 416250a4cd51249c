// The pen window (TForm8).
#pragma once
#include "ui/Form.h"

class Inventory;

class TForm8 : public ui::Form {
public:
    explicit TForm8(Inventory& inventory);
};
