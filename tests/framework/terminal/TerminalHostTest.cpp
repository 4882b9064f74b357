// The terminal host against the real toolkit in a real terminal, with the wizard's own sheet:
// every page drawn whole inside the window, the keys of the window, message boxes, a busy call,
// timers on the program's clock and a terminal that is too small.
#include "tests/framework/terminal/TerminalTest.h"

#include "framework/PropertySheet.h"
#include "framework/headless/Wording.h"
#include "framework/terminal/CellLayout.h"
#include "platform/posix/ClockTesting.h"
#include "src/app/CfgSheet.h"
#include "src/res/WizardRes.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace
{
constexpr int kPageCount = 21;
// The page area inside the 80 x 24 window (CellLayout.h).
constexpr int kPageColumns = 76;
constexpr int kPageRows = 19;

class TerminalSheet : public testing::Test
{
protected:
    TerminalSheet()
    {
        AfxSetHost(&host);
        host.SetMessageBoxAnswerer([](const std::string& text, const std::string&, UINT) {
            ADD_FAILURE() << "unexpected message box: " << text;
            return std::optional<int>();
        });
    }

    ~TerminalSheet() override
    {
        if (sheet != nullptr)
        {
            sheet->DestroyWindow();
        }
        AfxSetHost(nullptr);
    }

    void Open(int page)
    {
        sheet = std::make_unique<CCfgSheet>("test", nullptr, static_cast<UINT>(page));
        sheet->m_psh.dwFlags |= PSH_WIZARD;
        ASSERT_TRUE(sheet->Create());
        host.Wait(50);
    }

    // Lets the host run until `condition` holds; false after 10 s.
    bool WaitUntil(const std::function<bool()>& condition)
    {
        for (int i = 0; i < 500 && !condition(); ++i)
        {
            host.Wait(20);
        }
        return condition();
    }

    std::string ActivePage() const
    {
        return sheet->IsOpen() ? PageClassName(*sheet->GetActivePage()) : "(ended)";
    }

    std::string Screen() const
    {
        std::string text;
        for (const std::string& line : Session().ScreenLines())
        {
            text += line + "\n";
        }
        return text;
    }

    TerminalHost host{Session()};
    std::unique_ptr<CCfgSheet> sheet;
};

TEST_F(TerminalSheet, EveryPage_ShowsItsTextsWholeInsideTheWindow)
{
    for (int i = 0; i < kPageCount; ++i)
    {
        Open(i);
        CPropertyPage* page = sheet->GetActivePage();
        ASSERT_NE(page, nullptr);
        const std::string screen = Screen();
        SCOPED_TRACE(PageClassName(*page) + "\n" + screen);
        const std::vector<std::string> lines = Session().ScreenLines();
        ASSERT_EQ(lines.size(), 24u);
        EXPECT_NE(lines[0].find(page->GetCaption()), std::string::npos);
        EXPECT_EQ(lines[1].rfind("┌", 0), 0u);
        for (int row = 2; row < 23; ++row)
        {
            EXPECT_EQ(lines[static_cast<size_t>(row)].rfind("│", 0), 0u) << "row " << row;
        }
        EXPECT_NE(lines[22].find("Cancel"), std::string::npos);
        const DialogTemplate* dialog = AfxFindDialog(page->GetTemplateId());
        const std::vector<termhost::CellPlace> places =
            termhost::LayOutPage(dialog->items, kPageColumns, kPageRows);
        const std::vector<CWnd*> controls = page->GetChildren();
        for (size_t c = 0; c < controls.size() && c < places.size(); ++c)
        {
            CWnd& control = *controls[c];
            if (control.GetKind() != WindowKind::Static || !control.IsWindowVisible() ||
                places[c].rect.Empty())
            {
                continue;
            }
            for (const std::string& line : termhost::WrapText(
                     termhost::WithoutMnemonic(control.GetWindowText()), places[c].rect.width))
            {
                EXPECT_NE(screen.find(line), std::string::npos) << "cut or covered: " << line;
            }
        }
        sheet->DestroyWindow();
        sheet.reset();
    }
}

TEST_F(TerminalSheet, Keys_ActAsOnTheDesktopWindow)
{
    struct Row
    {
        const char* keys;
        const char* page; // the active page afterwards, "(ended)" when the sheet ended
        int searchNo;     // the "No" radio button afterwards
    };
    const Row rows[] = {
        {"Enter", "CIDingPage", BST_UNCHECKED},
        {"M-n", "CIDingPage", BST_UNCHECKED},
        {"Escape", "(ended)", BST_UNCHECKED},
        // The radio buttons of a group take the arrow keys.
        {"Down", "CWelcomePage", BST_CHECKED},
        // Tab: Yes, Next (Back is disabled), Cancel; Enter on Cancel presses Next instead.
        {"Tab Enter", "CIDingPage", BST_UNCHECKED},
        {"Tab Tab Enter", "CIDingPage", BST_UNCHECKED},
        {"Tab Tab Space", "(ended)", BST_UNCHECKED},
        {"BTab BTab Enter", "CIDingPage", BST_UNCHECKED},
        // Typed at once, the keys reach the toolkit in one read.
        {"Tab+Tab+Space", "(ended)", BST_UNCHECKED},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.keys);
        Open(0);
        int searchNo = BST_UNCHECKED;
        std::string keys = row.keys;
        if (keys.find('+') != std::string::npos)
        {
            std::replace(keys.begin(), keys.end(), '+', ' ');
            Type(keys);
            host.Wait(100);
        }
        else
        {
            for (size_t start = 0; start < keys.size();)
            {
                const size_t end = std::min(keys.find(' ', start), keys.size());
                Type(keys.substr(start, end - start));
                host.Wait(100);
                start = end + 1;
            }
        }
        EXPECT_TRUE(WaitUntil([&]() { return ActivePage() == row.page; })) << ActivePage();
        if (sheet->IsOpen() && ActivePage() == "CWelcomePage")
        {
            searchNo = static_cast<CButton*>(sheet->GetActivePage()->GetDlgItem(IDC_SEARCH_NO))
                           ->GetCheck();
        }
        EXPECT_EQ(searchNo, row.searchNo);
        sheet->DestroyWindow();
        sheet.reset();
    }
}

TEST_F(TerminalSheet, Enter_DuringTheSearch_LeavesTheSearchRunning)
{
    // A port that never answers keeps the search going for seconds.
    testing_support::ComPortFolder ports;
    testing_support::PseudoTerminal silent;
    ports.Link(1, silent.SlavePath());
    Open(0);
    Type("Enter");
    ASSERT_TRUE(WaitUntil([&]() { return ActivePage() == "CIDingPage"; }));
    // Next stays disabled until the search has ended; Enter must not cancel meanwhile.
    for (int i = 0; i < 3; ++i)
    {
        Type("Enter");
        host.Wait(30);
        EXPECT_TRUE(sheet->IsOpen());
    }
    // The ports that have ended, left of the buttons.
    const std::string progress = " of 36";
    const std::string screen = Screen();
    const size_t at = screen.find(progress);
    ASSERT_NE(at, std::string::npos) << screen;
    EXPECT_NE(screen.find("< Back", at), std::string::npos) << screen;
}

TEST_F(TerminalSheet, MessageBox_ShowsItsTextAndAnswersWithTheKeys)
{
    struct Row
    {
        UINT type;
        const char* keys;
        int answer;
    };
    const Row rows[] = {
        {MB_YESNO, "Enter", IDYES},
        {MB_YESNO, "Escape", IDNO},
        {MB_YESNO, "Tab Enter", IDNO},
        {MB_YESNO | MB_DEFBUTTON2, "Enter", IDNO},
        {MB_YESNO | MB_DEFBUTTON2, "BTab Enter", IDYES},
        {MB_OK, "Enter", IDOK},
        {MB_OK | MB_ICONEXCLAMATION, "Escape", IDOK},
    };
    host.SetMessageBoxAnswerer(nullptr);
    Open(0);
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.keys);
        // The keys come once the box shows its text (the helper watches the terminal).
        std::thread user([&row]() {
            for (int i = 0; i < 200; ++i)
            {
                if (TerminalCommand("capture-pane -p -t \"$TMUX_PANE\"").find("Second line") !=
                    std::string::npos)
                {
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            const std::string keys = row.keys;
            size_t start = 0;
            while (start < keys.size())
            {
                const size_t end = std::min(keys.find(' ', start), keys.size());
                Type(keys.substr(start, end - start));
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                start = end + 1;
            }
        });
        const int answer =
            host.MessageBox("First line of the question.\nSecond line?", "Caption", row.type, "");
        user.join();
        EXPECT_EQ(answer, row.answer);
    }
}

TEST_F(TerminalSheet, BusyCall_KeepsTheWindowDrawnAndDropsTheInput)
{
    Open(0);
    std::string during;
    host.RunBusy([&during]() {
        Type("Escape");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        during = TerminalCommand("capture-pane -p -t \"$TMUX_PANE\"");
    });
    host.Wait(200);
    EXPECT_TRUE(sheet->IsOpen()) << "the Escape typed during the call reached the wizard";
    EXPECT_NE(during.find("Do you want the wizard to search for your ISDN TA?"), std::string::npos)
        << during;
}

// A page that counts its timer's ticks.
class TickingPage : public CPropertyPage
{
public:
    TickingPage() : CPropertyPage(IDD_LOAD) {}
    void OnTimer(UINT_PTR) override { ++ticks; }
    int ticks = 0;
};

TEST_F(TerminalSheet, Timers_FollowTheProgramsClock)
{
    TickingPage page;
    CPropertySheet timed("timed");
    timed.AddPage(&page);
    timed.SetWizardMode();
    ASSERT_TRUE(timed.Create());
    // A second on the program's clock is a twentieth of one in real time.
    SetClockRateForTesting(20);
    page.SetTimer(1, 1000);
    EXPECT_TRUE(WaitUntil([&page]() { return page.ticks >= 3; }));
    page.KillTimer(1);
    const int ticks = page.ticks;
    host.Wait(200);
    EXPECT_EQ(page.ticks, ticks);
    SetClockRateForTesting(1);
    timed.DestroyWindow();
}

TEST_F(TerminalSheet, SmallTerminal_IsToldTheSizeTheWizardNeeds)
{
    Open(0);
    TerminalCommand("resize-window -t \"$TMUX_PANE\" -x 70 -y 20");
    EXPECT_TRUE(WaitUntil([&]() {
        return Screen().find("The wizard needs a terminal of at least") != std::string::npos &&
               Screen().find("80 x 24 characters; this one has 70 x") != std::string::npos;
    })) << Screen();
    TerminalCommand("resize-window -t \"$TMUX_PANE\" -x 80 -y 24");
    EXPECT_TRUE(WaitUntil([&]() {
        return Screen().find("needs a terminal") == std::string::npos &&
               Screen().find("Do you want the wizard to search") != std::string::npos;
    })) << Screen();
}
} // namespace
