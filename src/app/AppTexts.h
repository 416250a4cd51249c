// What the world outside sees of the shell's windows: registered class names, captions,
// the control bar's commands. Tests and scripts find the windows by these.
#pragma once

namespace app {

inline constexpr wchar_t kControlBarClass[] = L"TForm1";
inline constexpr wchar_t kHelpClass[] = L"TForm5";
// The caption of the control bar and of the help window, and the help window's title.
inline constexpr wchar_t kProductName[] = L"Vellora";

// The control bar's commands, top to bottom: the panel's caption and the menu item's.
struct CommandTexts {
    const wchar_t* panel;
    const wchar_t* menuItem;
};
inline constexpr CommandTexts kCloseTexts{L"关       闭", L"关    闭"};
inline constexpr CommandTexts kSettingsTexts{L"设       置", L"设    置"};
inline constexpr CommandTexts kPictureTexts{L"鼠标跟随", L"鼠标跟随"};
inline constexpr CommandTexts kHaloTexts{L"鼠标光环", L"鼠标光环"};
inline constexpr CommandTexts kPenTexts{L"电子笔", L"电 子 笔"};
inline constexpr CommandTexts kHelpTexts{L"软件帮助", L"软件帮助"};
// Menu items after the six commands, which have no panel on the bar; each switches its
// effect on or off.
inline constexpr wchar_t kSpotlightMenuItem[] = L"聚光灯";
inline constexpr wchar_t kLaserMenuItem[] = L"激光笔";
inline constexpr wchar_t kClickRingsMenuItem[] = L"点击光圈";

// A later start while the program runs: the running copy did not answer.
inline constexpr wchar_t kFirstCopyNotAnswering[] = L"Vellora 已在运行，但没有响应。请稍候再试，或在任务管理器中结束它。";

// The one start-up message about the program's hot keys that other programs hold: the
// opening line, one line per key with what it does here (the hot-key table's words), the
// closing line.
inline constexpr wchar_t kTakenHotKeysOpening[] = L"以下快捷键已被其他程序占用，在 Vellora 中不起作用：";
inline constexpr wchar_t kTakenHotKeysClosing[] = L"其余快捷键照常可用。";

}  // namespace app
