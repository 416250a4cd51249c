#include "effects/PictureCopy.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Exception.h"
#include "base/QuotedValue.h"
#include "base/Utf8.h"
#include "base/Text.h"
#include "ui/Application.h"
#include "ui/SystemReason.h"

namespace fs = std::filesystem;

namespace {

bool SameBytes(const fs::path& a, const fs::path& b) {
    std::error_code error;
    const auto size = fs::file_size(a, error);
    if (error || size != fs::file_size(b, error) || error) return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second) return false;
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

bool CopyPictureInto(const std::wstring& picked, const std::wstring& target) {
    std::error_code error;
    if (fs::exists(target, error)) {
        if (fs::equivalent(picked, target, error) || SameBytes(picked, target)) return true;
        const std::wstring question = Formatted(IDS_PICTURE_REPLACE, {ShortenedPathForQuote(target)});
        if (!ui::Application::Current().AskYesNo(question)) return false;
    }
    // A folder that cannot be made shows as the copy's own failure below.
    fs::create_directories(fs::path(target).parent_path(), error);
    if (!CopyFileW(picked.c_str(), target.c_str(), FALSE)) {
        const DWORD code = GetLastError();
        throw Exception(
            ToUtf8(Formatted(IDS_PICTURE_COPY_FAILED, {ShortenedPathForQuote(target), ui::SystemReason(code)})));
    }
    return true;
}
