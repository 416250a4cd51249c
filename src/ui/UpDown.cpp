#include "ui/UpDown.h"

#include <commctrl.h>

namespace ui {

UpDown::UpDown(HWND parent, Edit& buddy, const UpDownParams& params) {
    CreateSystemControl(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_WRAP | UDS_ARROWKEYS,
                        params.left, params.top, params.width, params.height, parent);
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.Handle()), 0);
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(params.min), params.max);
    SendMessageW(Handle(), UDM_SETPOS32, 0, params.position);
}

int UpDown::Position() const { return static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0)); }

}  // namespace ui
