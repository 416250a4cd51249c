// Where the pen's picture goes and comes back from: saved as PNG (Ctrl+S into the
// Pictures folder's Vellora, Ctrl+Shift+S where the presenter says), copied to the clipboard, kept as the
// pen closes and brought back from there. Encoding and writing run on the writer's
// thread with a copy of the picture; how each write went comes back to the pen window
// as kDrawingWritten, and TellOutcomes shows it. Every failure is one message box owned
// by the pen window, so that it stands above it; the picture on the pen stays. A drawing
// the kept folder does not take as the pen closes is held for the rest of the run
// instead, and written before the next one the folder takes; the presenter hears of it
// once a run, as the pen shows again, not over the slides.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Monitors.h"
#include "pen/DrawingFolders.h"
#include "pen/DrawingWriter.h"
#include "pen/PixelTiles.h"
#include "pen/SaveNote.h"
#include "ui/PictureDecoder.h"
#include "ui/Seams.h"

// Posted to the pen window by the writer's thread after each write, and by the pen as it
// opens with something to tell.
constexpr UINT kDrawingWritten = WM_APP + 2;

class DrawingFiles {
public:
    explicit DrawingFiles(HWND penWindow);

    void Save(const pen::PixelPlane& picture);
    void SaveAs(const pen::PixelPlane& picture);
    // The picture as the pen closes, into the kept folder, the oldest beyond
    // kKeptDrawings dropped.
    void Keep(const pen::PixelPlane& picture);
    // The pen closes with a drawing to keep: the pen hands it on (KeepIfClosedWith) once
    // the window is gone, so that neither the copy nor the encoding slows its going.
    void KeepOnceClosed() { keepPending_ = true; }
    // Keeps `picture` if the pen closed with it and it is not handed over yet.
    void KeepIfClosedWith(const pen::PixelPlane& picture);
    void Copy(const pen::PixelPlane& picture);
    // The pen opened: the kept drawings again, newest first (the next one brought back is
    // the newest), and what waits for the pen to show is told once the opening is done.
    void Opened();
    // The kept drawing before the one brought back last; nothing, with the reason told,
    // when there is none that far back or it cannot be read (the next call goes on to the
    // one before it).
    std::optional<ui::DecodedPicture> NextKept();
    // The next kept drawing (NextKept) handed to `show`; nothing happens when there is none.
    void ShowNextKept(const std::function<void(const pen::PixelPlane& kept)>& show);

    // Notes of saved pictures show near the bottom of `area`; failures are told.
    void TellOutcomes(const ScreenRect& area);
    SaveNote& Note() { return note_; }
    // Returns once every picture handed over is written (or failed).
    void WaitForWrites() { writer_.Wait(); }
    // Where the known folders are looked up; the system by default, for a test one that
    // gives none.
    void UseKnownFolders(pen::KnownFolderLookup lookup) { knownFolders_ = std::move(lookup); }

private:
    // A copy of the picture for the writer's thread, made once the writer is idle.
    std::vector<std::uint32_t> CopyOf(const pen::PixelPlane& picture);
    // `note` begins the note that tells where the picture was saved.
    void SaveInto(const pen::PixelPlane& picture, std::optional<std::wstring> folder, std::wstring path, unsigned note);
    void Tell(const std::wstring& text);
    void Inform(const std::wstring& text, ui::MessageKind kind);

    HWND penWindow_;
    SaveNote note_;
    pen::KnownFolderLookup knownFolders_ = pen::SystemKnownFolder;
    pen::DrawingWriter writer_;
    bool keepPending_ = false;     // closed with a drawing not yet handed to be kept
    std::size_t broughtBack_ = 0;  // kept drawings brought back since browsing started
    // Kept drawings the folder did not take, oldest first: only the writer's jobs, which
    // run one at a time, change them, and the window reads them only after Wait.
    std::shared_ptr<std::vector<pen::EncodedPicture>> held_ = std::make_shared<std::vector<pen::EncodedPicture>>();
    std::wstring heldNotice_;  // tells of the drawing not kept in the folder, until the pen shows
    bool heldTold_ = false;    // the first time only in a run
};
