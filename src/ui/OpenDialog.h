// The file-open dialog as the forms use it: a fixed filter, a folder to open in, and the
// full path of the file the user picked.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class OpenDialog {
public:
    // `filter` is "Description|pattern" pairs, e.g. L"PNG文件|*.png".
    explicit OpenDialog(std::wstring filter) : filter_(std::move(filter)) {}

    void SetInitialDir(std::wstring folder) { initialDir_ = std::move(folder); }
    // True when the user picked a file; its full path is then in FileName().
    bool Execute(HWND owner);
    const std::wstring& FileName() const { return fileName_; }

private:
    std::wstring filter_;
    std::wstring initialDir_;
    std::wstring fileName_;
};

}  // namespace ui
