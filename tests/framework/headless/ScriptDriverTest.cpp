#include "framework/headless/ScriptDriver.h"
#include "framework/Afx.h"
#include "framework/headless/Script.h"
#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr UINT kFormTemplate = 600;
constexpr UINT kListsTemplate = 601;
constexpr UINT kProgressTemplate = 602;
constexpr UINT kDoneTemplate = 603;

constexpr int kName = 1001;   // edit
constexpr int kLabel = 1002;  // static
constexpr int kAsk = 1003;    // push button: asks a Yes/No question
constexpr int kOption = 1004; // auto check box
constexpr int kFast = 1005;   // radio group 1005..1006
constexpr int kSlow = 1006;
constexpr int kLocked = 1007;   // disabled edit
constexpr int kSecret = 1008;   // hidden static
constexpr int kChoice = 1010;   // drop-down list
constexpr int kList = 1011;     // notifying list box
constexpr int kDevices = 1012;  // list view
constexpr int kPicture = 1013;  // bitmap
constexpr int kProgress = 1020; // static on the progress page

constexpr UINT kPictureImage = 161;

// clang-format off
constexpr DialogItem kFormItems[] = {
    {"Name:", kLabel,  ControlClass::Static, WS_VISIBLE, 5, 5, 40, 8, 0},
    {"",      kName,   ControlClass::Edit,   WS_VISIBLE | WS_TABSTOP | WS_BORDER, 50, 5, 80, 12, 0},
    {"Ask",   kAsk,    ControlClass::Button, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 140, 5, 40, 14, 0},
    {"Fast",  kFast,   ControlClass::Button, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 5, 20, 40, 10, 0},
    {"Slow",  kSlow,   ControlClass::Button, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 32, 40, 10, 0},
    {"Option", kOption, ControlClass::Button, WS_VISIBLE | WS_GROUP | BS_AUTOCHECKBOX, 50, 20, 50, 10, 0},
    {"",      kLocked, ControlClass::Edit,   WS_VISIBLE | WS_DISABLED | WS_BORDER, 50, 35, 80, 12, 0},
    {"hush",  kSecret, ControlClass::Static, 0, 5, 50, 40, 8, 0},
    {"",      kPicture, ControlClass::Static, WS_VISIBLE | SS_BITMAP, 1, 1, 20, 20, kPictureImage},
};
constexpr DialogItem kListsItems[] = {
    {"", kChoice,  ControlClass::ComboBox, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 5, 5, 60, 50, 0},
    {"", kList,    ControlClass::ListBox,  WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY, 5, 25, 60, 40, 0},
    {"", kDevices, ControlClass::ListView, WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 80, 5, 120, 60, 0},
};
constexpr DialogItem kProgressItems[] = {
    {"Working", kProgress, ControlClass::Static, WS_VISIBLE, 5, 5, 100, 8, 0},
};
constexpr DialogTemplate kTemplates[] = {
    {kFormTemplate,     "Form",     200, 100, kFormItems},
    {kListsTemplate,    "Lists",    200, 100, kListsItems},
    {kProgressTemplate, "Progress", 200, 100, kProgressItems},
    {kDoneTemplate,     "Done",     200, 100, {}},
};
constexpr ImageResource kImages[] = {
    {kPictureImage, "<svg xmlns='http://www.w3.org/2000/svg'/>"},
};
// clang-format on

class FormPage : public CPropertyPage
{
public:
    FormPage() : CPropertyPage(kFormTemplate) {}

    BOOL OnSetActive() override
    {
        GetSheet()->SetWizardButtons(PSWIZB_NEXT);
        return CPropertyPage::OnSetActive();
    }
    LRESULT OnWizardNext() override
    {
        if (GetDlgItem(kName)->GetWindowText() == "bad")
        {
            AfxMessageBox("Bad name.\r\nTry again.");
            return -1;
        }
        return 0;
    }
    void OnNameChange() { events.push_back("name:" + GetDlgItem(kName)->GetWindowText()); }
    void OnAsk() { events.push_back(AfxMessageBox("Go on?", MB_YESNO) == IDYES ? "yes" : "no"); }
    void OnOption() { events.push_back("option"); }
    void OnRadio() { events.push_back("radio"); }

    std::vector<std::string> events;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FormPage, CPropertyPage)
ON_EN_CHANGE(kName, &FormPage::OnNameChange)
ON_BN_CLICKED(kAsk, &FormPage::OnAsk)
ON_BN_CLICKED(kOption, &FormPage::OnOption)
ON_CONTROL_RANGE(BN_CLICKED, kFast, kSlow, &FormPage::OnRadio)
END_MESSAGE_MAP()

class ListsPage : public CPropertyPage
{
public:
    ListsPage() : CPropertyPage(kListsTemplate) {}

    BOOL OnInitDialog() override
    {
        auto* choice = static_cast<CComboBox*>(GetDlgItem(kChoice));
        for (const char* item : {"Alpha", "beta", "Beta", "Gamma"})
        {
            choice->AddString(item);
        }
        auto* list = static_cast<CListBox*>(GetDlgItem(kList));
        list->AddString("one");
        list->AddString("two");
        auto* devices = static_cast<CListCtrl*>(GetDlgItem(kDevices));
        devices->InsertColumn(0, "Port");
        devices->InsertColumn(1, "Model");
        devices->InsertItem(0, "COM1");
        devices->SetItemText(0, 1, "ZANDI");
        devices->InsertItem(1, "COM3");
        devices->SetItemText(1, 1, "ZOBRA");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return CPropertyPage::OnSetActive();
    }
    void OnChoice() { events.push_back("choice:" + std::to_string(Choice().GetCurSel())); }
    void OnList() { events.push_back("list"); }
    void OnDevice(NMHDR*, LRESULT* result)
    {
        events.push_back("device");
        *result = 0;
    }
    CComboBox& Choice() { return *static_cast<CComboBox*>(GetDlgItem(kChoice)); }

    std::vector<std::string> events;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListsPage, CPropertyPage)
ON_CBN_SELCHANGE(kChoice, &ListsPage::OnChoice)
ON_LBN_SELCHANGE(kList, &ListsPage::OnList)
ON_NOTIFY(LVN_ITEMCHANGED, kDevices, &ListsPage::OnDevice)
END_MESSAGE_MAP()

// Works for two one-second ticks with Finish greyed, showing them as its progress, then moves on
// by itself.
class ProgressPage : public CPropertyPage
{
public:
    ProgressPage() : CPropertyPage(kProgressTemplate) {}

    BOOL OnSetActive() override
    {
        GetSheet()->SetWizardButtons(PSWIZB_DISABLEDFINISH);
        SetTimer(1, 1000);
        m_ticks = 0;
        GetSheet()->SetProgress(0, 2);
        return CPropertyPage::OnSetActive();
    }
    void OnTimer(UINT_PTR id) override
    {
        GetSheet()->SetProgress(++m_ticks, 2);
        if (m_ticks == 2)
        {
            KillTimer(id);
            GetSheet()->SetActivePage(3);
        }
    }

private:
    int m_ticks = 0;
};

class DonePage : public CPropertyPage
{
public:
    DonePage() : CPropertyPage(kDoneTemplate) {}

    BOOL OnSetActive() override
    {
        GetSheet()->SetWizardButtons(PSWIZB_FINISH);
        GetSheet()->GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        return CPropertyPage::OnSetActive();
    }
};

struct RunResult
{
    int exitCode;
    std::string out;
    std::string err;
};

class ScriptDriverTest : public testing::Test
{
protected:
    ScriptDriverTest() : sheet("Driven")
    {
        AfxSetResources(ResourceTables{{}, kTemplates, kImages});
        sheet.AddPage(&form);
        sheet.AddPage(&lists);
        sheet.AddPage(&progress);
        sheet.AddPage(&done);
        sheet.SetWizardMode();
    }

    RunResult Run(const std::string& script)
    {
        std::vector<ScriptCommand> commands;
        ScriptError error;
        EXPECT_TRUE(ParseScript(script, commands, error)) << error.message;
        std::ostringstream out;
        std::ostringstream err;
        int exitCode = 0;
        {
            ScriptDriver driver(commands, TestHost(), out, err);
            if (withScreenshots)
            {
                driver.SetScreenshotHandler([this](const std::string& file) {
                    screenshots.push_back(file);
                    return file == "fail.png" ? std::string("cannot write fail.png")
                                              : std::string();
                });
            }
            AfxSetHost(&driver.GetHost());
            sheet.DoModal();
            AfxSetHost(&TestHost());
            exitCode = driver.Finish();
        }
        return {exitCode, out.str(), err.str()};
    }

    FormPage form;
    ListsPage lists;
    ProgressPage progress;
    DonePage done;
    CPropertySheet sheet;
    bool withScreenshots = false;
    std::vector<std::string> screenshots;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST_F(ScriptDriverTest, WalksThePages_PrintingEveryCommandAndPageChange)
{
    RunResult run = Run("expect page FormPage\n"
                        "expect title Form\n"
                        "expect buttons Next,Cancel\n"
                        "next\n"
                        "# the lists\n"
                        "expect buttons Back,Next,Cancel\n"
                        "next\n"
                        "expect buttons DisabledFinish,Cancel\n"
                        "expect progress 0/2\n"
                        "wait-page DonePage 5\n"
                        "expect buttons Finish\n"
                        "expect progress none\n"
                        "finish\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "start:   page 0 FormPage \"Form\"\n"
                       "1: expect page FormPage: ok\n"
                       "2: expect title \"Form\": ok\n"
                       "3: expect buttons Next,Cancel: ok\n"
                       "4: next\n"
                       "4:   page 1 ListsPage \"Lists\"\n"
                       "6: expect buttons Back,Next,Cancel: ok\n"
                       "7: next\n"
                       "7:   page 2 ProgressPage \"Progress\"\n"
                       "8: expect buttons DisabledFinish,Cancel: ok\n"
                       "9: expect progress 0/2: ok\n"
                       "10: wait-page DonePage 5\n"
                       "10:   page 3 DonePage \"Done\"\n"
                       "11: expect buttons Finish: ok\n"
                       "12: expect progress none: ok\n"
                       "13: finish\n"
                       "13:   closed (Finish)\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(sheet.GetResult(), IDOK);
}

TEST_F(ScriptDriverTest, UserActions_SendTheNotificationsAUserWould)
{
    RunResult run = Run("set 1001 Ann\n"
                        "set 1001 Ann\n"
                        "expect text 1001 Ann\n"
                        "check 1004 on\n"
                        "check 1004 on\n"
                        "expect checked 1004 on\n"
                        "check 1004 off\n"
                        "radio 1006\n"
                        "expect checked 1006 on\n"
                        "expect checked 1005 off\n"
                        "next\n"
                        "select 1010 beta\n"
                        "expect selected 1010 beta\n"
                        "select 1010 Beta\n"
                        "select 1010 GAMMA\n"
                        "expect text 1010 Gamma\n"
                        "select 1011 two\n"
                        "row 1012 1\n"
                        "expect selected 1012 COM3, ZOBRA\n"
                        "expect items 1012 COM1, ZANDI|COM3, ZOBRA\n"
                        "expect items 1010 Alpha|beta|Beta|Gamma\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(form.events, (std::vector<std::string>{"name:Ann", "option", "option", "radio"}));
    EXPECT_EQ(lists.events,
              (std::vector<std::string>{"choice:1", "choice:2", "choice:3", "list", "device"}));
    EXPECT_TRUE(Contains(run.out, "end: cancel\nend:   closed (Cancel)\n")) << run.out;
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(ScriptDriverTest, MessageBoxes_AreAnsweredFromTheQueueAndPrinted)
{
    RunResult run = Run("answer yes\n"
                        "click 1003\n"
                        "answer no\n"
                        "click 1003\n"
                        "expect message Go on?\n"
                        "set 1001 bad\n"
                        "answer ok\n"
                        "next\n"
                        "expect page FormPage\n"
                        "expect message \"Bad name.\\r\\nTry again.\"\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(form.events, (std::vector<std::string>{"yes", "no", "name:bad"}));
    EXPECT_TRUE(Contains(run.out, "2: click 1003\n2:   message \"Go on?\" [Yes,No] -> Yes\n"))
        << run.out;
    EXPECT_TRUE(Contains(run.out, "4:   message \"Go on?\" [Yes,No] -> No\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "8:   message \"Bad name.\\r\\nTry again.\" [OK] -> OK\n"))
        << run.out;
}

TEST_F(ScriptDriverTest, MessageBoxWithoutAnswer_FailsTheScriptAtThatLine)
{
    RunResult run = Run("next\nback\nclick 1003\nexpect page FormPage\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, "3:   message \"Go on?\" [Yes,No] -> no answer queued\n"
                                  "3: FAILED: a message box appeared with no answer queued"))
        << run.out;
    EXPECT_FALSE(Contains(run.out, "4:")) << run.out;
    EXPECT_EQ(run.err,
              "line 3: click 1003: a message box appeared with no answer queued: \"Go on?\"\n");
    EXPECT_EQ(form.events, (std::vector<std::string>{"no"}));
}

TEST_F(ScriptDriverTest, AnswerThatDoesNotFitOrIsNeverUsed_FailsTheScript)
{
    RunResult misfit = Run("answer ok\nclick 1003\n");
    EXPECT_EQ(misfit.exitCode, 1);
    EXPECT_TRUE(Contains(misfit.err, "line 2: click 1003: the answer OK queued at line 1 does not "
                                     "fit a message box with Yes,No"))
        << misfit.err;

    RunResult unused = Run("answer yes\nnext\n");
    EXPECT_EQ(unused.exitCode, 1);
    EXPECT_TRUE(Contains(unused.err, "the answer queued at line 1 was not used")) << unused.err;
}

TEST_F(ScriptDriverTest, ActionsAUserCannotDo_FailTheScript)
{
    struct Case
    {
        std::string script;
        std::string error;
    };
    const Case cases[] = {
        {"back\n", "line 1: back: the Back button is disabled"},
        {"finish\n", "line 1: finish: the Finish button is hidden"},
        {"next\nnext\nnext\n", "line 3: next: the Next button is hidden"},
        {"set 1007 x\n", "line 1: set 1007 \"x\": control 1007 is disabled"},
        {"click 1008\n", "control 1008 is hidden"},
        {"set 1002 x\n", "control 1002 is a static, not an edit"},
        {"set 4242 x\n", "there is no control 4242 on FormPage"},
        {"check 1005 on\n", "control 1005 is a radio, not a check box"},
        {"radio 1004\n", "control 1004 is a checkbox, not a radio button"},
        {"click 1001\n", "control 1001 is a edit, not a button"},
        {"next\nselect 1010 Delta\n",
         "control 1010 has no item \"Delta\" (items \"Alpha|beta|Beta|Gamma\")"},
        {"next\nrow 1012 2\n", "control 1012 has no row 2 (2 rows)"},
        {"next\nrow 1010 0\n", "control 1010 is a combo, not a list view"},
        {"screenshot a.png\n", "screenshots need a host with a screen: run with --qt"},
        {"next\nnext\nwait-page DonePage 1\n",
         "DonePage did not become current within 1 s (the current page is ProgressPage)"},
    };
    for (const Case& c : cases)
    {
        RunResult run = Run(c.script);
        EXPECT_EQ(run.exitCode, 1) << c.script;
        EXPECT_TRUE(Contains(run.err, c.error)) << c.script << " gave: " << run.err;
        EXPECT_TRUE(Contains(run.out, "FAILED: ")) << run.out;
        EXPECT_FALSE(sheet.IsOpen());
    }
}

TEST_F(ScriptDriverTest, ExpectationsThatDoNotHold_FailWithWhatWasFound)
{
    struct Case
    {
        std::string script;
        std::string error;
    };
    const Case cases[] = {
        {"expect page ListsPage\n", "line 1: expect page ListsPage: the current page is FormPage"},
        {"expect title Lists\n", "the title is \"Form\""},
        {"expect buttons Back,Next,Cancel\n", "the buttons are Next,Cancel"},
        {"set 1001 x\nexpect text 1001 y\n", "control 1001 shows \"x\""},
        {"expect enabled 1007 yes\n", "control 1007 is disabled"},
        {"expect visible 1008 yes\n", "control 1008 is hidden"},
        {"expect enabled 2 no\n", "control 2 is enabled"},
        {"expect checked 1004 on\n", "control 1004 is off"},
        {"expect checked 1001 on\n", "control 1001 is a edit; it cannot be checked"},
        {"expect items 1001 a\n", "control 1001 is a edit; it has no items"},
        {"next\nexpect items 1011 one\n", "control 1011 has the items \"one|two\""},
        {"next\nexpect selected 1010 Alpha\n", "control 1010 has nothing selected"},
        {"expect message Hello\n", "no message box has been shown"},
        {"expect progress */2\n", "no progress is shown"},
        {"next\nnext\nexpect progress 1/2\n", "the progress is 0/2"},
        {"next\nnext\nexpect progress */3\n", "the progress is 0/2"},
        {"answer no\nclick 1003\nexpect message Hello\n", "the last message was \"Go on?\""},
    };
    for (const Case& c : cases)
    {
        RunResult run = Run(c.script);
        EXPECT_EQ(run.exitCode, 1) << c.script;
        EXPECT_TRUE(Contains(run.err, c.error)) << c.script << " gave: " << run.err;
    }
}

TEST_F(ScriptDriverTest, WaitLetsTimersFire_AndTheSheetControlsSeeTheSameState)
{
    RunResult run = Run("next\nnext\nwait 1.5\nexpect page ProgressPage\nwait 0.5\n"
                        "expect page DonePage\nexpect enabled 2 no\nexpect visible 0x3025 yes\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    // Cancel is disabled on the last page: the driver closes the sheet as Cancel would.
    EXPECT_TRUE(Contains(run.out, "end: close as Cancel\nend:   closed (Cancel)\n")) << run.out;
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(ScriptDriverTest, SheetClosedBeforeTheLastLine_FailsAtTheFirstLineNotRun)
{
    RunResult run = Run("cancel\n# nothing\nnext\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "line 3: next: the wizard has closed\n");
    EXPECT_TRUE(Contains(run.out, "1: cancel\n1:   closed (Cancel)\n3: FAILED: the wizard has "
                                  "closed\n"))
        << run.out;
}

TEST_F(ScriptDriverTest, Dump_PrintsThePageWithEveryControl)
{
    RunResult run = Run("set 1001 \"two\\r\\nlines\"\nradio 1005\nnext\nselect 1010 Beta\nrow 1012 "
                        "0\nback\ndump\nnext\ndump\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "7: dump\n"
                                  "7:   page 0 FormPage\n"
                                  "7:   title \"Form\"\n"
                                  "7:   buttons Next,Cancel\n"
                                  "7:   control 1002 static enabled visible text \"Name:\"\n"
                                  "7:   control 1001 edit enabled visible text \"two\\r\\nlines\"\n"
                                  "7:   control 1003 pushbutton enabled visible text \"Ask\"\n"
                                  "7:   control 1005 radio enabled visible on text \"Fast\"\n"
                                  "7:   control 1006 radio enabled visible off text \"Slow\"\n"
                                  "7:   control 1004 checkbox enabled visible off text \"Option\"\n"
                                  "7:   control 1007 edit disabled visible text \"\"\n"
                                  "7:   control 1008 static enabled hidden text \"hush\"\n"
                                  "7:   control 1013 picture enabled visible image 161\n"))
        << run.out;
    EXPECT_TRUE(Contains(run.out, "9:   control 1010 combo enabled visible items "
                                  "\"Alpha|beta|Beta|Gamma\" selected \"Beta\"\n"
                                  "9:   control 1011 listbox enabled visible items \"one|two\" "
                                  "selected \"\"\n"
                                  "9:   control 1012 listview enabled visible columns "
                                  "\"Port|Model\" rows \"COM1, ZANDI|COM3, ZOBRA\" selected "
                                  "\"COM1, ZANDI\"\n"))
        << run.out;
}

TEST_F(ScriptDriverTest, Screenshot_GoesToTheHandler_AndItsErrorFailsTheScript)
{
    withScreenshots = true;
    RunResult run = Run("screenshot one.png\nnext\nscreenshot fail.png\nnext\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(screenshots, (std::vector<std::string>{"one.png", "fail.png"}));
    EXPECT_EQ(run.err, "line 3: screenshot \"fail.png\": cannot write fail.png\n");
}

TEST_F(ScriptDriverTest, EmptyScript_CancelsTheWizard)
{
    RunResult run = Run("# nothing to do\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "start:   page 0 FormPage \"Form\"\nend: cancel\nend:   closed (Cancel)\n");
}
