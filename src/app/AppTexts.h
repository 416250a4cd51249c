// What the world outside sees of the shell's windows: registered class names and captions,
// which tests and scripts find the windows by; and the texts of the control bar's commands.
#pragma once
#include "base/TextIds.h"

namespace app {

inline constexpr wchar_t kControlBarClass[] = L"TForm1";
inline constexpr wchar_t kHelpClass[] = L"TForm5";
inline constexpr wchar_t kKeysClass[] = L"VelloraKeys";
// The caption of the control bar and of the help window, and the help window's title.
inline constexpr wchar_t kProductName[] = L"Vellora";

// The control bar's commands, top to bottom: the panel's caption and the menu item's.
struct CommandTexts {
    unsigned panel;
    unsigned menuItem;
};
inline constexpr CommandTexts kCloseTexts{IDS_BAR_CLOSE, IDS_MENU_CLOSE};
inline constexpr CommandTexts kSettingsTexts{IDS_BAR_SETTINGS, IDS_MENU_SETTINGS};
inline constexpr CommandTexts kPictureTexts{IDS_BAR_PICTURE, IDS_MENU_PICTURE};
inline constexpr CommandTexts kHaloTexts{IDS_BAR_HALO, IDS_MENU_HALO};
inline constexpr CommandTexts kPenTexts{IDS_BAR_PEN, IDS_MENU_PEN};
inline constexpr CommandTexts kHelpTexts{IDS_BAR_HELP, IDS_MENU_HELP};

}  // namespace app
