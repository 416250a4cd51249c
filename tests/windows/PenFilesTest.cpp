// Where the pen's pictures go when the system's folders fail it: Ctrl+S with no Pictures
// folder, and a kept-drawings folder that cannot be written; and Ctrl+B with nothing left.
#include "PenFixture.h"

#include <knownfolders.h>

#include <cwchar>

#include "base/QuotedValue.h"
#include "base/Text.h"
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

// The picture's colours, whatever a round trip through PNG makes of the unused alpha.
std::vector<std::uint32_t> Colours(std::vector<std::uint32_t> pixels) {
    for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

}  // namespace

class PenFilesTest : public PenTest {
protected:
    // Esc closes the pen, and what it closed with is written (or not) by the time it returns.
    void CloseAndKeep() {
        SendHotKey(VK_ESCAPE);
        Pump();
        Pen().Files().WaitForWrites();
        Pump();
    }
    // A stroke at `y`, the pen closed with it; the picture it closed with.
    std::vector<std::uint32_t> DrawAndClose(int y) {
        Drag({100, y}, {500, y + 40});
        const std::vector<std::uint32_t> drawn = Colours(SurfacePixels());
        CloseAndKeep();
        return drawn;
    }
    void Reopen() {
        SendHotKey(VK_ESCAPE);
        Pump();
    }
    std::vector<std::uint32_t> BroughtBack() {
        PressWithControl(Pen().DrawingSurface().Handle(), 'B');
        return Colours(SurfacePixels());
    }
};

TEST_F(PenFilesTest, CtrlBWithNothingLeftSaysSoAsInformationAboveThePen) {
    PenWindow& pen = OpenPen();
    pen.Files().UseKnownFolders(OnlyLocalAppData(Folder() / "local"));
    PressWithControl(pen.DrawingSurface().Handle(), 'B');
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_EQ(recorder_.messages, std::vector<std::wstring>{Text(IDS_NO_KEPT_DRAWING)});
    EXPECT_EQ(recorder_.messageKinds, std::vector<ui::MessageKind>{ui::MessageKind::Information});
    EXPECT_EQ(recorder_.messageOwners, std::vector<HWND>{pen.Handle()});
}

TEST_F(PenFilesTest, DrawingsTheKeptFolderRefusesAreHeldForTheRunAndToldOnceAsThePenOpens) {
    const fs::path kept = Folder() / "local" / "Vellora" / "Recent";
    PenWindow& pen = OpenPen();
    pen.Files().UseKnownFolders(OnlyLocalAppData(Folder() / "local"));
    const std::vector<std::uint32_t> onDisk = DrawAndClose(100);
    ASSERT_EQ(FilesIn(kept).size(), 1u);
    // A folder where the next kept drawing's file would go: that write fails as in a
    // folder that cannot be written, and the drawing kept before still reads.
    fs::create_directory(kept / "kept-000002.png");
    Reopen();
    const std::vector<std::uint32_t> refused = DrawAndClose(200);
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(recorder_.messages.empty()) << "nothing told over the slides";

    Reopen();
    ASSERT_EQ(recorder_.messages.size(), 1u);
    const std::wstring& told = recorder_.messages[0];
    EXPECT_EQ(told.rfind(Formatted(IDS_KEEP_FAILED, {ShortenedPathForQuote(kept.wstring()), L""}), 0), 0u) << told;
    const std::wstring held = Text(IDS_HELD_FOR_THIS_RUN);
    EXPECT_EQ(told.substr(told.size() - held.size()), held);
    EXPECT_EQ(recorder_.messageKinds[0], ui::MessageKind::Warning);
    EXPECT_EQ(recorder_.messageOwners[0], pen.Handle());
    EXPECT_TRUE(BroughtBack() == refused);
    EXPECT_TRUE(BroughtBack() == onDisk);

    const std::vector<std::uint32_t> refusedAgain = DrawAndClose(300);
    Reopen();
    EXPECT_EQ(recorder_.messages.size(), 1u) << "told once a run";
    // Once the folder takes drawings again, the held ones go first, in their order.
    fs::remove(kept / "kept-000002.png");
    const std::vector<std::uint32_t> last = DrawAndClose(400);
    EXPECT_EQ(FilesIn(kept).size(), 4u);
    Reopen();
    for (const auto* expected : {&last, &refusedAgain, &refused, &onDisk}) EXPECT_TRUE(BroughtBack() == *expected);
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_EQ(recorder_.messages.size(), 1u);
}

TEST_F(PenFilesTest, WithNoPicturesFolderCtrlSSavesBesideTheKeptDrawingsAndSaysWhere) {
    PenWindow& pen = OpenPen();
    pen.Files().UseKnownFolders(OnlyLocalAppData(Folder() / "local"));
    PressWithControl(pen.DrawingSurface().Handle(), 'S');
    ASSERT_TRUE(PumpUntil([&] { return !pen.Files().Note().Text().empty() || !recorder_.errors.empty(); }, 5000));
    ASSERT_TRUE(recorder_.errors.empty()) << recorder_.errors.front();
    const std::vector<fs::path> saved = FilesIn(Folder() / "local" / "Vellora");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].extension(), ".png");
    EXPECT_EQ(pen.Files().Note().Text(), Text(IDS_SAVED_ELSEWHERE) + saved[0].wstring());

    // With no folder at all the message quotes none.
    pen.Files().UseKnownFolders([](const KNOWNFOLDERID&) { return std::optional<std::wstring>(); });
    PressWithControl(pen.DrawingSurface().Handle(), 'S');
    ASSERT_TRUE(PumpUntil([&] { return !recorder_.errors.empty(); }, 5000));
    EXPECT_EQ(recorder_.errors, std::vector<std::wstring>{Text(IDS_SAVE_NO_FOLDER)});
    EXPECT_EQ(recorder_.errorOwners.back(), pen.Handle());
}
