// quoran-wizard.exe: the wizard in its native window (the Windows build's entry point). It takes
// no arguments.
#include "framework/WinApp.h"
#include "framework/win32/Win32Host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Win32Host host(instance);
    return AfxWinMain(host);
}
