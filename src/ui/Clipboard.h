// Putting a picture on the clipboard for other programs to paste.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace ui {

// Puts `dib` (a packed device-independent bitmap, see EncodeDib) on the clipboard as
// CF_DIB, owned by `owner`. Another program may hold the clipboard for a moment: it is
// asked again for a short while. False when it stays held; throws ui::EImageError when
// there is no memory for the copy.
bool PutDibOnClipboard(HWND owner, const std::vector<std::uint8_t>& dib);

}  // namespace ui
