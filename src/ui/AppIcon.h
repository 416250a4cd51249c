// Resource number of the program's main icon, which the tray and every window show
// (a macro, because the resource compiler reads this file too).
#pragma once

#define VELLORA_ICON_ID 1
