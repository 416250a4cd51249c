// What the world outside sees of the pen: registered class names and captions, which tests
// and scripts find the windows by, and the folders its pictures go to. The texts the
// presenter reads are in the string tables (base/TextIds.h).
#pragma once

namespace pen {

inline constexpr wchar_t kPenClass[] = L"TForm8";
inline constexpr wchar_t kPenCaption[] = L"Form8";
inline constexpr wchar_t kBoardClass[] = L"TForm9";
inline constexpr wchar_t kBoardCaption[] = L"Form9";
inline constexpr wchar_t kLiveInkClass[] = L"VelloraLiveInk";
inline constexpr wchar_t kInkPaletteClass[] = L"VelloraInkPalette";
inline constexpr wchar_t kInkTextClass[] = L"VelloraInkText";

// Saving, copying and bringing back the pen's picture.
inline constexpr wchar_t kSaveNoteClass[] = L"VelloraSaveNote";
inline constexpr wchar_t kSavedSubfolder[] = L"Vellora";
inline constexpr wchar_t kKeptSubfolder[] = L"Vellora\\Recent";
inline constexpr wchar_t kSaveExtension[] = L"png";

}  // namespace pen
