// What the world outside sees of the pointer effects' windows: registered class names and
// captions, which tests and scripts find the windows by; what the settings window's boxes
// show before their stored values are read; the folder of browsed pictures. The texts the
// presenter reads are in the string tables (base/TextIds.h).
#pragma once

namespace effects {

inline constexpr wchar_t kFollowerClass[] = L"TForm2";
inline constexpr wchar_t kFollowerCaption[] = L"Vellora";
inline constexpr wchar_t kHaloClass[] = L"TForm3";
inline constexpr wchar_t kHaloCaption[] = L"特效3";
inline constexpr wchar_t kSettingsClass[] = L"TForm4";
inline constexpr wchar_t kSpotlightClass[] = L"VelloraSpotlight";
inline constexpr wchar_t kSpotlightCaption[] = L"聚光灯";
inline constexpr wchar_t kLaserClass[] = L"VelloraLaser";
inline constexpr wchar_t kLaserCaption[] = L"激光笔";
inline constexpr wchar_t kLaserTrailClass[] = L"VelloraLaserTrail";
inline constexpr wchar_t kClickRingsClass[] = L"VelloraClickRings";
inline constexpr wchar_t kClickRingsCaption[] = L"点击光圈";
inline constexpr wchar_t kClickRingClass[] = L"VelloraClickRing";

// What the settings window's boxes show when their stored values cannot be read, and the
// picture path it stores then.
inline constexpr wchar_t kUnreadDiameter[] = L"Edit2";
inline constexpr wchar_t kUnreadAlpha[] = L"Edit3";
inline constexpr wchar_t kUnreadOffset[] = L"Edit4";
inline constexpr wchar_t kUnreadPicturePath[] = L"Edit5";

// The folder a browsed picture is stored under, relative to the program.
inline constexpr wchar_t kPictureFolder[] = L"pic\\";

}  // namespace effects
