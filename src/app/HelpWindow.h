// The help window (TForm5): the product title and a fixed help text. Closing it only
// hides it.
#pragma once
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Label.h"
#include "ui/RichEdit.h"

class Inventory;

class TForm5 : public ui::Form {
public:
    explicit TForm5(Inventory& inventory);

private:
    ui::ScaledFont titleFont_;
    ui::ScaledFont textFont_;

public:
    ui::Label Label1;
    ui::RichEdit RichEdit1;
};
