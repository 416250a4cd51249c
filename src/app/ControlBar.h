// The control bar (TForm1) at the right screen edge, with its context menu.
#pragma once
#include "ui/Form.h"
#include "ui/PopupMenu.h"

class Inventory;

class TForm1 : public ui::Form {
public:
    explicit TForm1(Inventory& inventory);

    ui::PopupMenu PopupMenu1;

protected:
    void FormShow() override;

private:
    Inventory& inventory_;
};
