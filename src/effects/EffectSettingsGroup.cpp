#include "effects/EffectSettingsGroup.h"

#include <string>

#include "base/IntegerConversion.h"
#include "base/Text.h"
#include "effects/EffectInput.h"
#include "ui/SettingsFile.h"
#include "effects/SettingsValidation.h"
#include "store/EffectSettings.h"
#include "ui/Application.h"
#include "ui/Contrast.h"
#include "ui/Font.h"

namespace {

constexpr int kLeft = 8;  // as the other groups of the window
constexpr int kWidth = 361;
constexpr int kHeight = 150;

void DigitsOnly(wchar_t& key) {
    if (!KeptByDigitBox(key)) key = 0;
}

// A colour box takes no typing: a double click changes it.
void NoTyping(wchar_t& key) { key = 0; }

}  // namespace

EffectSettingsGroup::EffectSettingsGroup(HWND form, int top, EffectHost& host)
    : host_(host),
      headingFont_(form, ui::TextFace(), 21),
      textFont_(form, ui::TextFace(), 16),
      noteFont_(form, ui::TextFace(), 13),
      group(form, {kLeft, top, kWidth, kHeight, L"", ui::BtnFace, ui::Bevel::Raised}),
      title(group.Handle(), 0, 0, Text(IDS_EFFECTS_HEADING), headingFont_.get(), ui::BtnFace),
      dimLabel(group.Handle(), 8, 28, Text(IDS_SPOTLIGHT_DIM), textFont_.get(), ui::BtnFace),
      dimBox(group.Handle(), 104, 28, 49, 21, L""),
      dimRange(group.Handle(), 160, 32, Text(IDS_SPOTLIGHT_DIM_RANGE), noteFont_.get(), ui::BtnFace),
      radiusLabel(group.Handle(), 8, 52, Text(IDS_SPOTLIGHT_RADIUS), textFont_.get(), ui::BtnFace),
      radiusBox(group.Handle(), 104, 52, 49, 21, L""),
      radiusRange(group.Handle(), 160, 56, Text(IDS_SPOTLIGHT_RADIUS_RANGE), noteFont_.get(), ui::BtnFace),
      laserSizeLabel(group.Handle(), 8, 76, Text(IDS_LASER_SIZE), textFont_.get(), ui::BtnFace),
      laserSizeBox(group.Handle(), 104, 76, 49, 21, L""),
      laserSizeRange(group.Handle(), 160, 80, Text(IDS_LASER_SIZE_RANGE), noteFont_.get(), ui::BtnFace),
      laserColorLabel(group.Handle(), 8, 100, Text(IDS_LASER_COLOR_LABEL), textFont_.get(), ui::BtnFace),
      laserColorBox(group.Handle(), 60, 100, 41, 21, L"", colorDialog),
      leftRingLabel(group.Handle(), 112, 100, Text(IDS_LEFT_RING_LABEL), textFont_.get(), ui::BtnFace),
      leftRingBox(group.Handle(), 180, 100, 41, 21, L"", colorDialog),
      rightRingLabel(group.Handle(), 232, 100, Text(IDS_RIGHT_RING_LABEL), textFont_.get(), ui::BtnFace),
      rightRingBox(group.Handle(), 300, 100, 41, 21, L"", colorDialog),
      colorHint(group.Handle(), 8, 130, Text(IDS_EFFECT_COLOR_HINT), noteFont_.get(), ui::BtnFace),
      saveButton(group.Handle(),
                 {224, 124, 50, 25, Text(IDS_SAVE), ui::ChromeColor(ui::Gray), ui::Bevel::Raised, true}) {
    for (ui::Edit* box : {&dimBox, &radiusBox, &laserSizeBox}) box->OnKeyPress = DigitsOnly;
    for (ui::Edit* box : {&laserColorBox, &leftRingBox, &rightRingBox}) box->OnKeyPress = NoTyping;
    saveButton.OnClick = [this] { Save(); };
    ShowColors();
}

void EffectSettingsGroup::ShowColors() {
    laserColorBox.SetColor(values_.laserColor);
    leftRingBox.SetColor(values_.leftRingColor);
    rightRingBox.SetColor(values_.rightRingColor);
}

void EffectSettingsGroup::ShowValues(const EffectValues& values) {
    values_ = values;
    dimBox.SetText(std::to_wstring(values_.spotlightDim));
    radiusBox.SetText(std::to_wstring(values_.spotlightRadius));
    laserSizeBox.SetText(std::to_wstring(values_.laserSize));
    ShowColors();
}

void EffectSettingsGroup::Save() {
    const EffectInput input{dimBox.Text(), radiusBox.Text(), laserSizeBox.Text()};
    if (const auto message = EffectInputMessage(input)) {
        ui::Application::Current().ShowMessageBox(*message);
        return;
    }
    const std::wstring dim = TrimBlanks(input.spotlightDim);
    const std::wstring radius = TrimBlanks(input.spotlightRadius);
    const std::wstring size = TrimBlanks(input.laserSize);
    values_.laserColor = laserColorBox.GetColor();
    values_.leftRingColor = leftRingBox.GetColor();
    values_.rightRingColor = rightRingBox.GetColor();
    WriteEffectSettings({dim, radius, std::to_wstring(values_.laserColor), size, std::to_wstring(values_.leftRingColor),
                         std::to_wstring(values_.rightRingColor)},
                        SettingsFile());
    values_.spotlightDim = StrToInt(dim);
    values_.spotlightRadius = StrToInt(radius);
    values_.laserSize = StrToInt(size);
    host_.ApplyEffectSettings(values_);
}
