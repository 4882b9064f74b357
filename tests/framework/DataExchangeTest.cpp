#include "tests/support/TestPages.h"

#include <climits>

using namespace testpages;

namespace
{
// The second page with a data exchange: text with a length limit, an int, a combo by string and
// by index, a list by string, a check box. `m_after` is exchanged last, to see an abandoned
// exchange leave it alone.
class ExchangePage : public LoggingPage
{
public:
    explicit ExchangePage(std::vector<std::string>& log) : LoggingPage(kSecondTemplate, log) {}

    BOOL OnInitDialog() override
    {
        BOOL result = CPropertyPage::OnInitDialog();
        m_cbChoice.AddString("beta");
        m_cbChoice.AddString("Alpha");
        m_cbChoice.AddString("gamma");
        m_lbList.AddString("North");
        m_lbList.AddString("east");
        return result;
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kChoice, m_cbChoice);
        DDX_Control(pDX, kList, m_lbList);
        DDX_Text(pDX, kCount, m_nCount);
        DDX_CBString(pDX, kChoice, m_strChoice);
        DDX_LBString(pDX, kList, m_strList);
        DDX_Check(pDX, kOption, m_nOption);
        m_after = m_bSaving ? 1 : 0;
        ++m_exchangesCompleted;
    }

    BOOL Save()
    {
        m_bSaving = TRUE;
        BOOL ok = UpdateData(TRUE);
        m_bSaving = FALSE;
        return ok;
    }

    CComboBox m_cbChoice;
    CListBox m_lbList;
    int m_nCount = 7;
    std::string m_strChoice;
    std::string m_strList;
    int m_nOption = BST_UNCHECKED;
    int m_after = -1;
    int m_exchangesCompleted = 0;
    BOOL m_bSaving = FALSE;
};

// An edit page whose text member is limited to five characters.
class LimitedTextPage : public CPropertyPage
{
public:
    LimitedTextPage() : CPropertyPage(kFirstTemplate) {}
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kName, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
        DDX_Text(pDX, kLabel, m_strLabel);
    }
    std::string m_strName = "abc";
    std::string m_strLabel = "Name:";
};

class DataExchangeTest : public testing::Test
{
protected:
    DataExchangeTest() : page(log), sheet("Exchange"), controller(sheet)
    {
        InstallResources();
        sheet.AddPage(&page);
        EXPECT_TRUE(controller.Start());
    }

    CEdit& Edit(int id) { return *static_cast<CEdit*>(page.GetDlgItem(id)); }

    HeadlessHost& host = TestHost();
    std::vector<std::string> log;
    ExchangePage page;
    CPropertySheet sheet;
    SheetController controller;
};
} // namespace

TEST_F(DataExchangeTest, InitDialog_AttachesMemberControlsToTemplateControls)
{
    EXPECT_EQ(page.m_cbChoice.m_hWnd, page.GetDlgItem(kChoice)->m_hWnd);
    EXPECT_EQ(page.m_cbChoice.GetCount(), 3);
    auto* templateCombo = static_cast<CComboBox*>(page.GetDlgItem(kChoice));
    EXPECT_EQ(templateCombo->GetLBText(0), "Alpha");
    page.m_cbChoice.SetCurSel(2);
    EXPECT_EQ(templateCombo->GetCurSel(), 2);
    EXPECT_EQ(CWnd::FromHandle(page.m_cbChoice.m_hWnd), templateCombo);
    EXPECT_EQ(Edit(kCount).GetWindowText(), "7");
}

TEST_F(DataExchangeTest, SavingAnInteger_RefusesNonIntegersWithMessageAndFocus)
{
    const char* refused[] = {"", "12x", "x", "99999999999", "-2147483649", "1 2", "+", "-0", "+0"};
    for (const char* text : refused)
    {
        Edit(kCount).SetWindowText(text);
        page.m_nCount = 7;
        page.m_after = -1;
        host.QueueAnswer(IDOK);
        EXPECT_FALSE(page.Save()) << text;
        EXPECT_EQ(page.m_nCount, 7) << text;
        EXPECT_EQ(page.m_after, -1) << text;
        ASSERT_FALSE(host.MessageBoxes().empty());
        EXPECT_EQ(host.MessageBoxes().back().text, "Please enter an integer.");
        EXPECT_EQ(host.MessageBoxes().back().type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
        EXPECT_EQ(CWnd::GetFocus(), page.GetDlgItem(kCount));
    }
    EXPECT_EQ(host.MessageBoxes().size(), std::size(refused));
}

TEST_F(DataExchangeTest, SavingAnInteger_AcceptsWholeNumbersInRange)
{
    const std::pair<const char*, int> accepted[] = {{"42", 42},
                                                    {" -17 ", -17},
                                                    {"+5", 5},
                                                    {"00", 0},
                                                    {"2147483647", 2147483647},
                                                    {"-2147483648", INT_MIN}};
    for (const auto& [text, value] : accepted)
    {
        Edit(kCount).SetWindowText(text);
        EXPECT_TRUE(page.Save()) << text;
        EXPECT_EQ(page.m_nCount, value) << text;
        EXPECT_EQ(page.m_after, 1);
    }
    EXPECT_TRUE(host.MessageBoxes().empty());
}

TEST_F(DataExchangeTest, MaxChars_LimitsOnLoadingAndRefusesLongerTextOnSaving)
{
    LimitedTextPage limited;
    CPropertySheet other("Limited");
    other.AddPage(&limited);
    SheetController driver(other);
    ASSERT_TRUE(driver.Start());
    auto* name = static_cast<CEdit*>(limited.GetDlgItem(kName));
    EXPECT_EQ(name->GetLimitText(), 5u);
    EXPECT_EQ(name->GetWindowText(), "abc");

    // The user cannot type more than the limit...
    ASSERT_TRUE(name->UserType("abcdefgh"));
    EXPECT_EQ(name->GetWindowText(), "abcde");
    // ...but a program can set more, and saving then refuses it.
    name->SetWindowText("abcdef");
    limited.GetDlgItem(kLabel)->SetWindowText("changed");
    host.QueueAnswer(IDOK);
    EXPECT_FALSE(limited.UpdateData(TRUE));
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].text, "Please enter no more than 5 characters.");
    EXPECT_EQ(limited.m_strName, "abcdef");
    EXPECT_EQ(limited.m_strLabel, "Name:");
    EXPECT_EQ(CWnd::GetFocus(), name);
}

TEST_F(DataExchangeTest, FailedExchangeOnNext_KeepsThePage)
{
    LoggingPage next(kThirdTemplate, log);
    sheet.AddPage(&next);
    Edit(kCount).SetWindowText("seven");
    host.QueueAnswer(IDOK);
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 0);
    EXPECT_EQ(host.MessageBoxes().size(), 1u);
    Edit(kCount).SetWindowText("8");
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_EQ(page.m_nCount, 8);
}

TEST_F(DataExchangeTest, LoadingByString_SelectsFirstItemBeginningWithTextIgnoringCase)
{
    page.m_strChoice = "GAM";
    page.m_strList = "ea";
    ASSERT_TRUE(page.UpdateData(FALSE));
    EXPECT_EQ(page.m_cbChoice.GetCurSel(), 2);
    EXPECT_EQ(page.m_lbList.GetCurSel(), 0);
    EXPECT_EQ(page.m_lbList.GetText(0), "east");

    // No match, and the empty text, leave the selection as it was.
    page.m_strChoice = "delta";
    page.m_strList = "";
    ASSERT_TRUE(page.UpdateData(FALSE));
    EXPECT_EQ(page.m_cbChoice.GetCurSel(), 2);
    EXPECT_EQ(page.m_lbList.GetCurSel(), 0);
}

TEST_F(DataExchangeTest, SavingByString_TakesSelectedTextOrEmpty)
{
    page.m_cbChoice.SetCurSel(1);
    page.m_lbList.SetCurSel(-1);
    page.m_strList = "stale";
    ASSERT_TRUE(page.Save());
    EXPECT_EQ(page.m_strChoice, "beta");
    EXPECT_EQ(page.m_strList, "");
}

TEST_F(DataExchangeTest, CheckBox_ExchangesBothWays)
{
    page.m_nOption = BST_CHECKED;
    ASSERT_TRUE(page.UpdateData(FALSE));
    auto* option = static_cast<CButton*>(page.GetDlgItem(kOption));
    EXPECT_EQ(option->GetCheck(), BST_CHECKED);
    option->SetCheck(BST_UNCHECKED);
    ASSERT_TRUE(page.Save());
    EXPECT_EQ(page.m_nOption, BST_UNCHECKED);
}

TEST_F(DataExchangeTest, MissingControl_IsSkipped)
{
    class MissingPage : public CPropertyPage
    {
    public:
        MissingPage() : CPropertyPage(kFirstTemplate) {}
        void DoDataExchange(CDataExchange* pDX) override
        {
            DDX_Text(pDX, 4242, m_text);
            DDX_Control(pDX, 4243, m_edit);
            DDX_Text(pDX, kName, m_name);
        }
        std::string m_text = "kept";
        std::string m_name;
        CEdit m_edit;
    } missing;
    CPropertySheet other("Missing");
    other.AddPage(&missing);
    SheetController driver(other);
    ASSERT_TRUE(driver.Start());
    missing.GetDlgItem(kName)->SetWindowText("typed");
    EXPECT_TRUE(missing.UpdateData(TRUE));
    EXPECT_EQ(missing.m_text, "kept");
    EXPECT_EQ(missing.m_name, "typed");
    EXPECT_EQ(missing.m_edit.m_hWnd, nullptr);
    EXPECT_EQ(missing.m_edit.GetWindowText(), "");
}

TEST_F(DataExchangeTest, PageWithMemberControlsDestroyedWhileShown_LeavesNoDanglingWindow)
{
    auto extra = std::make_unique<ExchangePage>(log);
    sheet.AddPage(extra.get());
    ASSERT_TRUE(sheet.SetActivePage(extra.get()));
    ASSERT_NE(extra->m_cbChoice.m_hWnd, nullptr);
    size_t windows = host.Windows().size();
    extra.reset();
    EXPECT_EQ(host.Windows().size(), windows - 1 - std::size(kSecondItems));
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_TRUE(controller.Cancel());
}
