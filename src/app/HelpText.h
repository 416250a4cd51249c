// The help window's text, fixed in the program.
#pragma once

inline constexpr wchar_t kHelpText[] =
    L"　　Vellora 是为改进多媒体课堂教学而编写的小工具，装好即可使用，操作十分简单。\r\n"
    L"\r\n"
    L"一、用途\r\n"
    L"　　在多媒体教室里，系统自带的鼠标指针又小又细，坐在后排的学生很难看清。老师讲课时往往只能来回晃动鼠标，提醒大家看向哪里。"
    L"本软件把指针变成醒目的大图标或彩色光环，老师指到哪里，学生的目光就跟到哪里，课堂注意力更容易集中。\r\n"
    L"\r\n"
    L"二、功能\r\n"
    L"　　本软件有三大功能：\r\n"
    L"　　1．鼠标跟随：一张大号图片跟着指针移动，图片和它的位置都可以在设置里更换。\r\n"
    L"　　2．鼠标光环：指针周围出现一个半透明的彩色圆盘，颜色、大小和透明度都可以设置。\r\n"
    L"　　3．电子笔：把当前屏幕定格下来，直接在上面画线、写字、圈点重点，也可以切换成黑板或白板。\r\n"
    L"\r\n"
    L"三、使用方法\r\n"
    L"　　只需要记住三个快捷键：\r\n"
    L"　　Esc：打开或关闭电子笔；\r\n"
    L"　　F7：打开或关闭鼠标光环；\r\n"
    L"　　F8：打开或关闭鼠标跟随。\r\n"
    L"　　屏幕右侧的控制条和任务栏通知区的图标也能完成这些操作：把鼠标移到屏幕右边缘，控制条就会弹出。\r\n"
    L"\r\n"
    L"四、软件类别\r\n"
    L"　　教学软件。\r\n"
    L"\r\n"
    L"五、升级说明\r\n"
    L"　　新版本增加了键盘鼠标功能：按 F6 进入或退出键盘鼠标状态，此时用方向键（↑↓←→）移动指针，每按一次移动 10 个像素，"
    L"按 F5 相当于单击鼠标左键。这样离开讲台也能用键盘操作电脑。\r\n";

// Follows the text above in the help window: the effects that came later, and their keys.
inline constexpr wchar_t kEffectsHelpText[] =
    L"\r\n"
    L"六、聚光灯、激光笔和点击光圈\r\n"
    L"　　Ctrl+Alt+Shift+1：打开或关闭聚光灯，指针所在的屏幕变暗，只留指针周围一圈明亮；\r\n"
    L"　　Ctrl+Alt+Shift+2：打开或关闭激光笔，指针处出现红点，移动时留下一小段渐隐的光迹；\r\n"
    L"　　Ctrl+Alt+Shift+3：打开或关闭点击光圈，单击左键出现黄色圆环，单击右键出现蓝色圆环，录屏时也能看到。\r\n"
    L"　　鼠标跟随、鼠标光环、聚光灯和激光笔每次只开一个；点击光圈可以和它们同时使用。"
    L"控制条和托盘图标的菜单里也有这三项，颜色、大小和暗度在设置窗口里修改。\r\n";

// Follows the effects' text: the pen's keys for saving, copying, bringing back and zooming.
inline constexpr wchar_t kPenKeysHelpText[] =
    L"\r\n"
    L"七、电子笔的保存、复制、找回和放大\r\n"
    L"　　Ctrl+S：把电子笔上的画面（不含工具栏）存为 PNG 图片，放在“图片”文件夹的 Vellora 文件夹里，按日期时间命名；\r\n"
    L"　　Ctrl+Shift+S：选择保存的位置和文件名；\r\n"
    L"　　Ctrl+C：把画面复制到剪贴板，可以粘贴到 Word、PowerPoint、WPS 或聊天软件里；\r\n"
    L"　　Ctrl+B：找回上次关闭电子笔时的画面，再按一次找回更早的一幅（最多保留最近 20 幅）；\r\n"
    L"　　鼠标滚轮：向前滚动以指针为中心放大画面，每格 1.25 倍，最大 4 倍；向后滚动回到放大前。\r\n"
    L"　　找回和放大都可以用 Ctrl+Z 撤销。\r\n";
