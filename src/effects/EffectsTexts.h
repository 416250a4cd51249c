// What the world outside sees of the pointer effects' windows: registered class names,
// captions, and the texts the settings window shows.
#pragma once

namespace effects {

inline constexpr wchar_t kFollowerClass[] = L"TForm2";
inline constexpr wchar_t kFollowerCaption[] = L"Vellora";
inline constexpr wchar_t kHaloClass[] = L"TForm3";
inline constexpr wchar_t kHaloCaption[] = L"特效3";
inline constexpr wchar_t kSettingsClass[] = L"TForm4";
inline constexpr wchar_t kSettingsCaption[] = L"Vellora设置";
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
inline constexpr wchar_t kColorBoxText[] = L"当前颜色";

// The captions of an effect's start/stop button: what a press does next.
inline constexpr wchar_t kStart[] = L"开启";
inline constexpr wchar_t kStop[] = L"停止";
inline constexpr wchar_t kSave[] = L"保存";
inline constexpr wchar_t kBrowse[] = L"浏览";
// The choice to start the program when Windows starts.
inline constexpr wchar_t kStartWithWindows[] = L"开机时启动";
// The folder a browsed picture is stored under, relative to the program.
inline constexpr wchar_t kPictureFolder[] = L"pic\\";

// Saving a picture browsed from elsewhere copies it into the picture folder: the question
// before a different file of its name there is replaced (its path between the two parts),
// and the report of a failed copy (the path, then the system's reason).
inline constexpr wchar_t kPictureReplaceStart[] = L"图片文件夹中已有另一个同名文件“";
inline constexpr wchar_t kPictureReplaceEnd[] = L"”。要用所选的图片替换它吗？";
inline constexpr wchar_t kPictureCopyFailed[] = L"无法把所选的图片复制为“";
inline constexpr wchar_t kPictureCopyReason[] = L"”：";

// What the save buttons answer when a box holds what cannot be stored.
inline constexpr wchar_t kHaloBoxEmpty[] = L"光环大小与透明度框不能为空。";
inline constexpr wchar_t kDiameterOutOfRange[] = L"光环大小值不在1-600里，请重新输入。";
inline constexpr wchar_t kAlphaOutOfRange[] = L"透明度值不在0-255里，请重新输入。";
inline constexpr wchar_t kOffsetEmpty[] = L"光标显示位置不能为空。";
inline constexpr wchar_t kOffsetOutOfRange[] = L"光标显示位置值不在0-130里，请重新输入。";

// The settings group of the spotlight, the laser pointer and the click rings. The names of
// its number boxes are also what its messages call them.
inline constexpr wchar_t kEffectsTitle[] = L"聚光灯、激光笔与点击光圈";
inline constexpr wchar_t kSpotlightDimName[] = L"聚光灯暗度";
inline constexpr wchar_t kSpotlightRadiusName[] = L"聚光灯半径";
inline constexpr wchar_t kLaserSizeName[] = L"激光笔大小";
inline constexpr wchar_t kSpotlightDimRangeText[] = L"（取值范围：10-95，单位%）";
inline constexpr wchar_t kSpotlightRadiusRangeText[] = L"（取值范围：20-600，单位像素）";
inline constexpr wchar_t kLaserSizeRangeText[] = L"（取值范围：4-64，单位像素）";
inline constexpr wchar_t kLaserColorLabel[] = L"激光笔";
inline constexpr wchar_t kLeftRingLabel[] = L"左键圆环";
inline constexpr wchar_t kRightRingLabel[] = L"右键圆环";
inline constexpr wchar_t kEffectColorHint[] = L"双击颜色框更改颜色。";
inline constexpr wchar_t kEffectBoxesEmpty[] = L"聚光灯暗度、聚光灯半径与激光笔大小框不能为空。";
// Follows a box's name when its number lies outside the range (given as "10-95").
inline constexpr wchar_t kOutOfRangeBefore[] = L"值不在";
inline constexpr wchar_t kOutOfRangeAfter[] = L"里，请重新输入。";

}  // namespace effects
