// SPDX-License-Identifier: MIT
// The Windows program's entry point.
#include "startup.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls {};
    controls.dwSize = sizeof(INITCOMMONCONTROLSEX);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    // The pictures are decoded by the imaging component, a COM server.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    quimbelo::win32::Startup startup;
    startup.start();
    return startup.run();
}
