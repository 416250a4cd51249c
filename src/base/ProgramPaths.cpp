#include "base/ProgramPaths.h"

namespace {

bool Separator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t FoldedLatin(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return {};
    // A drive's root keeps its separator: "D:" alone is the drive's current folder.
    const bool driveRoot = separator == 2 && path[1] == L':';
    return path.substr(0, driveRoot ? 3 : separator);
}

std::wstring InsideFolder(const std::wstring& folder, const std::wstring& relative) {
    const bool absolute = (!relative.empty() && Separator(relative[0])) || (relative.size() >= 2 && relative[1] == L':');
    if (absolute || folder.empty()) return relative;
    return Separator(folder.back()) ? folder + relative : folder + L"\\" + relative;
}

std::wstring StartCommandFor(const std::wstring& programPath) { return L"\"" + programPath + L"\""; }

std::wstring StartCommandPath(const std::wstring& command) {
    if (command.empty() || command.front() != L'"') return command;
    const std::size_t closing = command.find(L'"', 1);
    return command.substr(1, closing == std::wstring::npos ? std::wstring::npos : closing - 1);
}

bool StartCommandNames(const std::wstring& command, const std::wstring& programPath) {
    const std::wstring named = StartCommandPath(command);
    if (named.size() != programPath.size()) return false;
    for (std::size_t i = 0; i < named.size(); ++i)
        if (FoldedLatin(named[i]) != FoldedLatin(programPath[i])) return false;
    return true;
}
