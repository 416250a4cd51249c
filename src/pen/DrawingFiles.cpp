#include "pen/DrawingFiles.h"

#include <memory>
#include <utility>

#include "base/QuotedValue.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "pen/DrawingFolders.h"
#include "pen/KeptDrawings.h"
#include "pen/PenTexts.h"
#include "ui/Application.h"
#include "ui/Clipboard.h"
#include "ui/DibBytes.h"
#include "ui/PngEncoder.h"
#include "ui/SystemReason.h"

namespace {

pen::LocalTime Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::wstring Failure(unsigned text, const std::wstring& path, const std::wstring& reason) {
    return Formatted(text, {ShortenedPathForQuote(path), reason});
}

// Encodes and writes one saved picture; the path comes from `name` once the folder stands.
template <typename Name>
pen::WriteOutcome WritePicture(const std::vector<std::uint32_t>& pixels, int width, int height,
                               const std::optional<std::wstring>& folder, Name name) {
    if (!folder) return {false, Text(IDS_SAVE_NO_FOLDER)};
    if (const DWORD error = pen::MakeFolder(*folder))
        return {false, Failure(IDS_SAVE_FAILED, *folder, ui::SystemReason(error))};
    std::wstring path = *folder;
    try {
        path = name();
        if (const DWORD error = pen::WriteWholeFile(path, ui::EncodePng(pixels.data(), width, height)))
            return {false, Failure(IDS_SAVE_FAILED, path, ui::SystemReason(error))};
    } catch (const std::exception& e) {
        return {false, Failure(IDS_SAVE_FAILED, path, FromUtf8(e.what()))};
    }
    return {true, path};
}

// Why a drawing was not kept in `folder`, which names no path where the system gave none.
std::wstring KeepFailure(const std::optional<std::wstring>& folder, const std::wstring& reason) {
    return folder ? Failure(IDS_KEEP_FAILED, *folder, reason) : Text(IDS_KEEP_NO_FOLDER);
}

// Writes one more kept drawing, the oldest beyond kKeptDrawings dropped; why not, if not.
std::optional<std::wstring> WriteKept(const std::vector<std::uint8_t>& png, const std::optional<std::wstring>& folder) {
    if (!folder) return Text(IDS_KEEP_NO_FOLDER);
    DWORD error = pen::MakeFolder(*folder);
    if (!error) {
        const pen::KeepPlan plan = pen::PlanKeep(pen::FileNamesIn(*folder));
        for (const std::wstring& dropped : plan.dropped) DeleteFileW((*folder + L"\\" + dropped).c_str());
        error = pen::WriteWholeFile(*folder + L"\\" + plan.name, png);
    }
    if (error) return KeepFailure(folder, ui::SystemReason(error));
    return std::nullopt;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

DrawingFiles::DrawingFiles(HWND penWindow)
    : penWindow_(penWindow), writer_([penWindow] { PostMessageW(penWindow, kDrawingWritten, 0, 0); }) {
    // Owned by the pen, the note always stands above it.
    SetWindowLongPtrW(note_.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(penWindow));
}

std::vector<std::uint32_t> DrawingFiles::CopyOf(const pen::PixelPlane& picture) {
    writer_.Wait();
    return {picture.bits, picture.bits + static_cast<std::size_t>(picture.width) * picture.height};
}

void DrawingFiles::SaveInto(const pen::PixelPlane& picture, std::optional<std::wstring> folder, std::wstring path,
                            unsigned note) {
    writer_.Hand([pixels = CopyOf(picture), width = picture.width, height = picture.height, folder = std::move(folder),
                  path = std::move(path), note] {
        pen::WriteOutcome outcome = WritePicture(pixels, width, height, folder, [&] {
            if (!path.empty()) return path;
            const std::wstring name = pen::SaveName(
                Now(), [&](const std::wstring& taken) { return pen::FileExists(*folder + L"\\" + taken); });
            return *folder + L"\\" + name;
        });
        if (outcome.written) outcome.text = Text(note) + outcome.text;
        return outcome;
    });
}

void DrawingFiles::Save(const pen::PixelPlane& picture) {
    const std::optional<pen::SaveFolder> folder = pen::SavedDrawingsFolder(knownFolders_);
    const bool elsewhere = folder && !folder->inPictures;
    SaveInto(picture, folder ? std::optional(folder->path) : std::nullopt, L"",
             elsewhere ? IDS_SAVED_ELSEWHERE : IDS_SAVED);
}

void DrawingFiles::SaveAs(const pen::PixelPlane& picture) {
    const std::optional<pen::SaveFolder> folder = pen::SavedDrawingsFolder(knownFolders_);
    if (folder) pen::MakeFolder(folder->path);  // the dialog opens there; where it cannot, it opens elsewhere
    ui::SaveFileRequest request{Text(IDS_SAVE_FILTER), folder ? folder->path : std::wstring(),
                                pen::SaveName(Now(), [](const std::wstring&) { return false; }), pen::kSaveExtension};
    const std::optional<std::wstring> path = ui::Application::Current().RunSaveDialog(penWindow_, request);
    if (path) SaveInto(picture, FolderOf(*path), *path, IDS_SAVED);
}

void DrawingFiles::Keep(const pen::PixelPlane& picture) {
    writer_.Hand([pixels = CopyOf(picture), width = picture.width, height = picture.height, held = held_,
                  lookup = knownFolders_] {
        const std::optional<std::wstring> folder = pen::KeptDrawingsFolder(lookup);
        try {
            held->push_back(
                std::make_shared<const std::vector<std::uint8_t>>(ui::EncodePng(pixels.data(), width, height)));
        } catch (const std::exception& e) {
            return pen::WriteOutcome{false, KeepFailure(folder, FromUtf8(e.what()))};
        }
        if (held->size() > pen::kKeptDrawings) held->erase(held->begin());
        // Oldest first (those held before go first), so that the folder holds them in the
        // order the pen closed with them.
        while (!held->empty()) {
            if (std::optional<std::wstring> failure = WriteKept(*held->front(), folder))
                return pen::WriteOutcome{false, std::move(*failure), true};
            held->erase(held->begin());
        }
        return pen::WriteOutcome{true, L""};  // kept quietly
    });
}

void DrawingFiles::KeepIfClosedWith(const pen::PixelPlane& picture) {
    if (std::exchange(keepPending_, false)) Keep(picture);
}

void DrawingFiles::Copy(const pen::PixelPlane& picture) {
    if (!ui::PutDibOnClipboard(penWindow_, ui::EncodeDib(picture.bits, picture.width, picture.height)))
        Tell(Text(IDS_CLIPBOARD_HELD));
}

void DrawingFiles::Opened() {
    broughtBack_ = 0;
    if (!heldNotice_.empty()) PostMessageW(penWindow_, kDrawingWritten, 0, 0);
}

std::optional<ui::DecodedPicture> DrawingFiles::NextKept() {
    const std::size_t back = broughtBack_++;
    // The drawing kept as the pen last closed may still be on its way to the folder.
    writer_.Wait();
    const std::vector<pen::EncodedPicture>& held = *held_;  // no job runs now
    // Those held are newer than any the folder took: the folder takes them first.
    if (back < held.size()) {
        const std::vector<std::uint8_t>& png = *held[held.size() - 1 - back];
        return ui::DecodePng(png.data(), png.size(), "kept drawing", ui::kMaxPictureSide);
    }
    const std::optional<std::wstring> folder = pen::KeptDrawingsFolder(knownFolders_);
    const std::vector<std::wstring> kept =
        folder ? pen::KeptNewestFirst(pen::FileNamesIn(*folder)) : std::vector<std::wstring>{};
    const std::size_t onDisk = back - held.size();
    if (onDisk >= kept.size()) {
        Inform(Text(IDS_NO_KEPT_DRAWING), ui::MessageKind::Information);
        return std::nullopt;
    }
    const std::wstring path = *folder + L"\\" + kept[onDisk];
    std::vector<std::uint8_t> bytes;
    if (const DWORD error = pen::ReadWholeFile(path, bytes)) {
        Tell(Failure(IDS_KEPT_UNREADABLE, path, ui::SystemReason(error)));
        return std::nullopt;
    }
    try {
        return ui::DecodePng(bytes.data(), bytes.size(), ToUtf8(path), ui::kMaxPictureSide);
    } catch (const std::exception&) {
        Tell(Failure(IDS_KEPT_UNREADABLE, path, Text(IDS_KEPT_DAMAGED)));
        return std::nullopt;
    }
}

void DrawingFiles::ShowNextKept(const std::function<void(const pen::PixelPlane&)>& show) {
    const std::optional<ui::DecodedPicture> picture = NextKept();
    if (!picture) return;
    // The decoder holds its pixels for reading only; showing them only reads them.
    show({const_cast<std::uint32_t*>(picture->pixels.data()), picture->width, picture->height});
}

void DrawingFiles::TellOutcomes(const ScreenRect& area) {
    for (const pen::WriteOutcome& outcome : writer_.TakeOutcomes()) {
        if (outcome.held) {
            if (!std::exchange(heldTold_, true)) heldNotice_ = outcome.text + L"\n" + Text(IDS_HELD_FOR_THIS_RUN);
        } else if (!outcome.written) {
            Tell(outcome.text);
        } else if (!outcome.text.empty()) {
            note_.Tell(outcome.text, area);
        }
    }
    // The pen closed to show the slides: what it did not keep is told as it shows again.
    if (!heldNotice_.empty() && IsWindowVisible(penWindow_))
        Inform(std::exchange(heldNotice_, {}), ui::MessageKind::Warning);
}

void DrawingFiles::Tell(const std::wstring& text) { ui::Application::Current().ShowErrorBox(text, penWindow_); }

void DrawingFiles::Inform(const std::wstring& text, ui::MessageKind kind) {
    ui::Application::Current().ShowMessageBox(text, kind, penWindow_);
}
