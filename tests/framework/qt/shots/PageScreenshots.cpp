// quoran-page-screenshots [--font FAMILY] [--points N] FOLDER: writes a PNG of every page of
// the wizard's sheet to FOLDER, named by position and class ("00-CWelcomePage.png"), as the Qt
// host draws it offscreen in the application's font (Qt's default unless the options name
// another family or size, as a desktop's font settings would). Each page is the first page of a
// sheet of its own, so that every page is reached whatever route the pages take; message boxes
// on the way are answered OK or No and reported.
//
// Exit code: 0 when every page was written, 1 when some page could not be shown or written, 2
// for bad arguments.
#include "framework/MessageBox.h"
#include "framework/headless/Wording.h"
#include "framework/qt/QtHost.h"
#include "src/app/CfgSheet.h"
#include "tests/support/PageList.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
int Usage()
{
    std::fprintf(stderr, "usage: quoran-page-screenshots [--font FAMILY] [--points N] FOLDER\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    std::string family;
    int points = 0;
    std::string folder;
    for (int i = 1; i < argc; ++i)
    {
        std::string argument = argv[i];
        if ((argument == "--font" || argument == "--points") && i + 1 < argc)
        {
            std::string value = argv[++i];
            if (argument == "--font")
            {
                family = value;
            }
            else if ((points = std::atoi(value.c_str())) <= 0)
            {
                return Usage();
            }
        }
        else if (folder.empty() && !argument.empty() && argument[0] != '-')
        {
            folder = argument;
        }
        else
        {
            return Usage();
        }
    }
    if (folder.empty())
    {
        return Usage();
    }
    // The same picture on every machine: no desktop theme, no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QFont font = QApplication::font();
    if (!family.empty())
    {
        font.setFamily(QString::fromStdString(family));
    }
    if (points > 0)
    {
        font.setPointSize(points);
    }
    QApplication::setFont(font);
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
        return std::optional<int>(AfxUnattendedAnswer(nType));
    });

    int failures = 0;
    for (int i = 0; i < static_cast<int>(std::size(kPages)); ++i)
    {
        // A sheet of its own that starts on the page: no route to follow, and no page left
        // behind that could refuse to be left.
        CCfgSheet sheet("test", nullptr, static_cast<UINT>(i));
        sheet.m_psh.dwFlags |= PSH_WIZARD;
        if (!sheet.Create() || sheet.GetActiveIndex() != i)
        {
            std::fprintf(stderr, "quoran-page-screenshots: page %d cannot be shown\n", i);
            ++failures;
            sheet.DestroyWindow();
            continue;
        }
        // The focus shows only in the active window; the page's requests for its buttons and
        // the first paint happen meanwhile.
        for (int wait = 0; wait < 100 && !host.SheetWindow()->isActiveWindow(); ++wait)
        {
            host.Wait(10);
        }
        host.Wait(0);
        char name[64];
        std::snprintf(name, sizeof name, "%02d-%s.png", i,
                      PageClassName(*sheet.GetPage(i)).c_str());
        std::string file = folder + "/" + name;
        if (host.Screenshot(file))
        {
            std::printf("%s\n", file.c_str());
        }
        else
        {
            std::fprintf(stderr, "quoran-page-screenshots: cannot write %s\n", file.c_str());
            ++failures;
        }
        sheet.DestroyWindow();
    }
    AfxSetHost(nullptr);
    return failures == 0 ? 0 : 1;
}
