// quoran-terminal-screenshots FOLDER: writes the text of the terminal for every page of the
// wizard's sheet to FOLDER, named by position and class ("00-CWelcomePage.txt"), as the terminal
// host draws it (run it in a terminal of 80 x 24: scripts/terminal-screenshots). Each page is the
// first page of a sheet of its own, so that every page is reached whatever route the pages take;
// message boxes on the way are answered OK or No and reported.
//
// Exit code: 0 when every page was written, 1 when some page could not be shown or written, 2
// for bad arguments.
#include "framework/MessageBox.h"
#include "framework/headless/Wording.h"
#include "framework/terminal/TerminalHost.h"
#include "src/app/CfgSheet.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{
constexpr int kPageCount = 21;
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: quoran-terminal-screenshots FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::string> reports;
    int failures = 0;
    {
        TerminalSession session;
        TerminalHost host(session);
        AfxSetHost(&host);
        host.SetMessageBoxAnswerer(
            [&reports](const std::string& text, const std::string&, UINT nType) {
                reports.push_back("message box \"" + text + "\" answered");
                return std::optional<int>(AfxUnattendedAnswer(nType));
            });
        for (int i = 0; i < kPageCount; ++i)
        {
            // A sheet of its own that starts on the page: no route to follow, and no page left
            // behind that could refuse to be left.
            CCfgSheet sheet("test", nullptr, static_cast<UINT>(i));
            sheet.m_psh.dwFlags |= PSH_WIZARD;
            if (!sheet.Create() || sheet.GetActiveIndex() != i)
            {
                reports.push_back("page " + std::to_string(i) + " cannot be shown");
                ++failures;
                sheet.DestroyWindow();
                continue;
            }
            // The page's requests for its buttons and the drawing happen meanwhile.
            host.Wait(100);
            char name[64];
            std::snprintf(name, sizeof name, "%02d-%s.txt", i,
                          PageClassName(*sheet.GetPage(i)).c_str());
            const std::string file = folder + "/" + name;
            std::ofstream out(file, std::ios::binary);
            for (const std::string& line : session.ScreenLines())
            {
                // Trailing blanks are the terminal's, not the page's.
                out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
            }
            if (!out)
            {
                reports.push_back("cannot write " + file);
                ++failures;
            }
            sheet.DestroyWindow();
        }
        AfxSetHost(nullptr);
    }
    for (const std::string& report : reports)
    {
        std::fprintf(stderr, "quoran-terminal-screenshots: %s\n", report.c_str());
    }
    return failures == 0 ? 0 : 1;
}
