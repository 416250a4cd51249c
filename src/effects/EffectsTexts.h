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

}  // namespace effects
