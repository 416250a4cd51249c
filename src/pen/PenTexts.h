// What the world outside sees of the pen: registered class names, captions, the folders
// its pictures go to and its messages.
#pragma once

namespace pen {

inline constexpr wchar_t kPenClass[] = L"TForm8";
inline constexpr wchar_t kPenCaption[] = L"Form8";
inline constexpr wchar_t kBoardClass[] = L"TForm9";
inline constexpr wchar_t kBoardCaption[] = L"Form9";
inline constexpr wchar_t kPaletteTitle[] = L"电子笔";


// Saving, copying and bringing back the pen's picture.
inline constexpr wchar_t kSaveNoteClass[] = L"VelloraSaveNote";
inline constexpr wchar_t kSavedNote[] = L"已保存: ";
inline constexpr wchar_t kSavedElsewhereNote[] = L"系统没有给出“图片”文件夹，已保存: ";
inline constexpr wchar_t kSavedSubfolder[] = L"Vellora";
inline constexpr wchar_t kKeptSubfolder[] = L"Vellora\\Recent";
inline constexpr wchar_t kSaveDialogFilter[] = L"PNG 图片 (*.png)|*.png";
inline constexpr wchar_t kSaveExtension[] = L"png";
inline constexpr wchar_t kSaveFailed[] = L"画面没有保存到“";
inline constexpr wchar_t kKeepFailed[] = L"关闭电子笔时画面没有留存到“";
inline constexpr wchar_t kFailedReason[] = L"”：";
inline constexpr wchar_t kSaveNoFolder[] = L"画面没有保存：系统没有给出可以保存的文件夹。";
inline constexpr wchar_t kKeepNoFolder[] = L"关闭电子笔时画面没有留存：系统没有给出留存画面的文件夹。";
inline constexpr wchar_t kHeldForThisRun[] = L"本次运行中仍可用 Ctrl+B 找回。";
inline constexpr wchar_t kClipboardHeld[] = L"剪贴板正被其他程序占用，画面没有复制。请稍后再按 Ctrl+C。";
inline constexpr wchar_t kKeptUnreadable[] = L"无法找回画面“";
inline constexpr wchar_t kKeptDamaged[] = L"文件已损坏，或不是 PNG 图片。";
inline constexpr wchar_t kNoKeptDrawing[] = L"没有更早的画面可以找回了。";

}  // namespace pen
