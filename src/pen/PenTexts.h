// What the world outside sees of the pen's windows: registered class names and captions.
#pragma once

namespace pen {

inline constexpr wchar_t kPenClass[] = L"TForm8";
inline constexpr wchar_t kPenCaption[] = L"Form8";
inline constexpr wchar_t kBoardClass[] = L"TForm9";
inline constexpr wchar_t kBoardCaption[] = L"Form9";
inline constexpr wchar_t kPaletteTitle[] = L"电子笔";

}  // namespace pen
