// Entry point: the application, its seven windows, the message loop.
#include <windows.h>

#include "app/Inventory.h"
#include "ui/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ui::Application application(instance);
    Inventory windows;
    windows.Start();
    return application.Run();
}
