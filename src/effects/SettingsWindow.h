// The settings window (TForm4).
#pragma once
#include "ui/Form.h"

class Inventory;

class TForm4 : public ui::Form {
public:
    explicit TForm4(Inventory& inventory);
};
