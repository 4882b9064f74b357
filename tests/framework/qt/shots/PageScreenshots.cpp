// quoran-page-screenshots FOLDER: writes a PNG of every page of the wizard's sheet to FOLDER,
// named by position and class ("00-CWelcomePage.png"), as the Qt host draws it offscreen. Each
// page is made current directly (as SetActivePage does), so that every page is reached whatever
// route the pages take; message boxes on the way are answered OK or No and reported.
//
// Exit code: 0 when every page was written, 1 when some page could not be shown or written, 2
// for bad arguments.
#include "framework/headless/Script.h"
#include "framework/qt/QtHost.h"
#include "src/app/CfgSheet.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: quoran-page-screenshots FOLDER\n");
        return 2;
    }
    // The same picture on every machine: no desktop theme, no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    std::string folder = argv[1];
    if (!QDir().mkpath(QString::fromStdString(folder)))
    {
        std::fprintf(stderr, "quoran-page-screenshots: cannot make %s\n", folder.c_str());
        return 1;
    }

    QtHost host;
    AfxSetHost(&host);
    host.SetMessageBoxAnswerer([](const std::string& text, const std::string&, UINT nType) {
        std::fprintf(stderr, "quoran-page-screenshots: message box \"%s\" answered\n",
                     text.c_str());
        return std::optional<int>((nType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK);
    });

    int failures = 0;
    {
        CCfgSheet sheet("test", nullptr, 0);
        sheet.m_psh.dwFlags |= PSH_WIZARD;
        if (!sheet.Create())
        {
            std::fprintf(stderr, "quoran-page-screenshots: the sheet cannot be created\n");
            return 1;
        }
        for (int i = 0; i < sheet.GetPageCount() && sheet.IsOpen(); ++i)
        {
            if (!sheet.SetActivePage(i) || sheet.GetActiveIndex() != i)
            {
                std::fprintf(stderr, "quoran-page-screenshots: page %d cannot be shown\n", i);
                ++failures;
                continue;
            }
            // Let the page's requests for its buttons and any first paint happen.
            host.Wait(0);
            char name[64];
            std::snprintf(name, sizeof name, "%02d-%s.png", i,
                          PageClassName(*sheet.GetPage(i)).c_str());
            std::string file = folder + "/" + name;
            if (!host.Screenshot(file))
            {
                std::fprintf(stderr, "quoran-page-screenshots: cannot write %s\n", file.c_str());
                ++failures;
                continue;
            }
            std::printf("%s\n", file.c_str());
        }
        sheet.DestroyWindow();
    }
    AfxSetHost(nullptr);
    return failures == 0 ? 0 : 1;
}
