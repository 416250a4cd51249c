// Where the pen's pictures go when the system's folders fail it: Ctrl+S with no Pictures
// folder, and a kept-drawings folder that cannot be written; and Ctrl+B with nothing left.
#include "PenFixture.h"

#include <knownfolders.h>

#include "pen/DrawingFolders.h"

namespace fs = std::filesystem;

namespace {

// The system's known folders as a machine gives them whose Pictures folder is gone and
// cannot be made again: only the local application data folder, here `local`.
pen::KnownFolderLookup OnlyLocalAppData(const fs::path& local) {
    return [local](const KNOWNFOLDERID& id) -> std::optional<std::wstring> {
        if (id == FOLDERID_LocalAppData) return local.wstring();
        return std::nullopt;
    };
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(folder, missing)) files.push_back(entry.path());
    return files;
}

}  // namespace

using PenFilesTest = PenTest;

TEST_F(PenFilesTest, WithNoPicturesFolderCtrlSSavesBesideTheKeptDrawingsAndSaysWhere) {
    PenWindow& pen = OpenPen();
    pen.Files().UseKnownFolders(OnlyLocalAppData(Folder() / "local"));
    PressWithControl(pen.DrawingSurface().Handle(), 'S');
    ASSERT_TRUE(PumpUntil([&] { return !pen.Files().Note().Text().empty() || !recorder_.errors.empty(); }, 5000));
    ASSERT_TRUE(recorder_.errors.empty()) << recorder_.errors.front();
    const std::vector<fs::path> saved = FilesIn(Folder() / "local" / "Vellora");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].extension(), ".png");
    EXPECT_EQ(pen.Files().Note().Text(), pen::kSavedElsewhereNote + saved[0].wstring());

    // With no folder at all the message quotes none.
    pen.Files().UseKnownFolders([](const KNOWNFOLDERID&) { return std::optional<std::wstring>(); });
    PressWithControl(pen.DrawingSurface().Handle(), 'S');
    ASSERT_TRUE(PumpUntil([&] { return !recorder_.errors.empty(); }, 5000));
    EXPECT_EQ(recorder_.errors, std::vector<std::wstring>{pen::kSaveNoFolder});
    EXPECT_EQ(recorder_.errorOwners.back(), pen.Handle());
}

TEST_F(PenFilesTest, CtrlBWithNothingLeftSaysSoAsInformationAboveThePen) {
    PenWindow& pen = OpenPen();
    pen.Files().UseKnownFolders(OnlyLocalAppData(Folder() / "local"));
    PressWithControl(pen.DrawingSurface().Handle(), 'B');
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_EQ(recorder_.messages, std::vector<std::wstring>{pen::kNoKeptDrawing});
    EXPECT_EQ(recorder_.messageKinds, std::vector<ui::MessageKind>{ui::MessageKind::Information});
    EXPECT_EQ(recorder_.messageOwners, std::vector<HWND>{pen.Handle()});
}
