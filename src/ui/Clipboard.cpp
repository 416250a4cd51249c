#include "ui/Clipboard.h"

#include <cstring>

#include "ui/ImageError.h"

namespace ui {
namespace {

// A quarter of a second in all: long enough for a program that only reads the clipboard,
// short enough that the pen does not seem stuck.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 25;

// Global memory until the clipboard takes it over.
class GlobalBlock {
public:
    explicit GlobalBlock(std::size_t size) : block_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalBlock() {
        if (block_) GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL get() const { return block_; }
    void release() { block_ = nullptr; }

private:
    HGLOBAL block_;
};

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            if (attempt > 0) Sleep(kOpenRetryMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace

bool PutDibOnClipboard(HWND owner, const std::vector<std::uint8_t>& dib) {
    GlobalBlock block(dib.size());
    void* bytes = block.get() ? GlobalLock(block.get()) : nullptr;
    if (!bytes) throw EImageError("There is not enough memory to copy the picture");
    std::memcpy(bytes, dib.data(), dib.size());
    GlobalUnlock(block.get());
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.Open() || !EmptyClipboard() || !SetClipboardData(CF_DIB, block.get())) return false;
    block.release();  // the clipboard owns it now
    return true;
}

}  // namespace ui
