// Where the pen's picture goes and comes back from: saved as PNG (Ctrl+S into the
// Pictures folder's Vellora, Ctrl+Shift+S where the presenter says), copied to the clipboard, kept as the
// pen closes and brought back from there. Encoding and writing run on the writer's
// thread with a copy of the picture; how each write went comes back to the pen window
// as kDrawingWritten, and TellOutcomes shows it. Every failure is one message box owned
// by the pen window, so that it stands above it; the picture on the pen stays.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Monitors.h"
#include "pen/DrawingWriter.h"
#include "pen/PixelTiles.h"
#include "pen/SaveNote.h"
#include "ui/PictureDecoder.h"

// Posted to the pen window by the writer's thread after each write.
constexpr UINT kDrawingWritten = WM_APP + 2;

class DrawingFiles {
public:
    explicit DrawingFiles(HWND penWindow);

    void Save(const pen::PixelPlane& picture);
    void SaveAs(const pen::PixelPlane& picture);
    // The picture as the pen closes, into the kept folder, the oldest beyond
    // kKeptDrawings dropped.
    void Keep(const pen::PixelPlane& picture);
    void Copy(const pen::PixelPlane& picture);
    // The kept drawing `back` steps before the newest; nothing, with the reason told, when
    // there is none that far back or it cannot be read.
    std::optional<ui::DecodedPicture> Kept(std::size_t back);

    // Notes of saved pictures show near the bottom of `area`; failures are told.
    void TellOutcomes(const ScreenRect& area);
    SaveNote& Note() { return note_; }
    // Returns once every picture handed over is written (or failed).
    void WaitForWrites() { writer_.Wait(); }

private:
    // A copy of the picture for the writer's thread, made once the writer is idle.
    std::vector<std::uint32_t> CopyOf(const pen::PixelPlane& picture);
    void SaveInto(const pen::PixelPlane& picture, std::optional<std::wstring> folder, std::wstring path);
    void Tell(const std::wstring& text);

    HWND penWindow_;
    SaveNote note_;
    pen::DrawingWriter writer_;
};
