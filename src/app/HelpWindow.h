// The help window: the product title and a fixed help text. Closing it only hides it.
#pragma once
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Label.h"
#include "ui/RichEdit.h"

class HelpWindow : public ui::Form {
public:
    HelpWindow();
    // The fixed text, then `keys`: the keys in use now.
    void ShowKeysInUse(const std::wstring& keys);

private:
    ui::ScaledFont titleFont_;
    ui::ScaledFont textFont_;

public:
    ui::Label title;
    ui::RichEdit helpText;
};
