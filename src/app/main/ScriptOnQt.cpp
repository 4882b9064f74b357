#include "src/app/main/ScriptOnScreen.h"

#include "framework/WinApp.h"
#include "framework/headless/ScriptDriver.h"
#include "framework/qt/QtHost.h"
#include "src/app/main/WindowSystem.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

int RunScriptOnScreen(std::vector<ScriptCommand> commands, int argc, char** argv)
{
    // A script needs no one to watch it: without a display that answers, it runs offscreen.
    if (NeedsDisplayServer("") && !DisplayAnswers())
    {
        if (!DisplayName().empty())
            std::cerr << kScriptProgram << ": no window system answers on the display "
                      << DisplayName() << "; the script runs offscreen\n";
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    QtHost host;
    ScriptDriver driver(std::move(commands), host, std::cout, std::cerr);
    driver.SetScreenshotHandler([&host](const std::string& file) {
        return host.Screenshot(file) ? std::string() : "cannot write the screenshot " + file;
    });
    AfxWinMain(driver.GetHost());
    return driver.Finish();
}
