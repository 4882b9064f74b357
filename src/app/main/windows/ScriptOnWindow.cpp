// quoran-wizard-script --qt on Windows: the script drives the wizard in its native window.
#include "src/app/main/ScriptOnScreen.h"

#include "framework/WinApp.h"
#include "framework/headless/ScriptDriver.h"
#include "framework/win32/Win32Host.h"

#include <iostream>

int RunScriptOnScreen(std::vector<ScriptCommand> commands, int, char**)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Win32Host host(GetModuleHandleA(nullptr));
    ScriptDriver driver(std::move(commands), host, std::cout, std::cerr);
    driver.SetScreenshotHandler([&host](const std::string& file) {
        return host.Screenshot(file) ? std::string() : "cannot write the screenshot " + file;
    });
    AfxWinMain(driver.GetHost());
    return driver.Finish();
}
