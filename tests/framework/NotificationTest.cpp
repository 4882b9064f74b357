#include "tests/support/TestPages.h"

using namespace testpages;

namespace
{
// Pages bind their notifications in one table; each handler logs what it got.
class NotifiedPage : public LoggingPage
{
public:
    explicit NotifiedPage(UINT templateId, std::vector<std::string>& log)
        : LoggingPage(templateId, log)
    {
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        if (GetTemplateId() == kFirstTemplate)
        {
            DDX_Text(pDX, kName, m_strName);
        }
        if (GetTemplateId() == kSecondTemplate)
        {
            DDX_CBIndex(pDX, kChoice, m_nChoice);
            DDX_Check(pDX, kOption, m_nOption);
        }
    }

    void OnApply() { Log("clicked", "apply"); }
    void OnNameChange() { Log("changed", "name=" + GetDlgItem(kName)->GetWindowText()); }
    void OnChoiceChange() { Log("selchange", "choice"); }
    void OnListChange() { Log("selchange", "list"); }
    void OnQuietChange() { Log("selchange", "quiet"); }
    void OnOption() { Log("clicked", "option"); }
    void OnRadio() { Log("clicked", "radio"); }
    void OnDeviceChanged(NMHDR* header, LRESULT* result)
    {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        Log("itemchanged", std::to_string(change->iItem) + ":" + std::to_string(change->uOldState) +
                               ">" + std::to_string(change->uNewState));
        *result = 0;
    }
    LRESULT OnPrivate(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }

    std::string m_strName;
    int m_nChoice = 0;
    int m_nOption = BST_UNCHECKED;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifiedPage, LoggingPage)
ON_BN_CLICKED(kApply, &NotifiedPage::OnApply)
ON_EN_CHANGE(kName, &NotifiedPage::OnNameChange)
ON_CBN_SELCHANGE(kChoice, &NotifiedPage::OnChoiceChange)
ON_LBN_SELCHANGE(kList, &NotifiedPage::OnListChange)
ON_LBN_SELCHANGE(kQuiet, &NotifiedPage::OnQuietChange)
ON_BN_CLICKED(kOption, &NotifiedPage::OnOption)
ON_CONTROL_RANGE(BN_CLICKED, kRadioA, kRadioE, &NotifiedPage::OnRadio)
ON_NOTIFY(LVN_ITEMCHANGED, kDevices, &NotifiedPage::OnDeviceChanged)
ON_MESSAGE(WM_USER + 7, &NotifiedPage::OnPrivate)
END_MESSAGE_MAP()

class NotificationTest : public testing::Test
{
protected:
    NotificationTest()
        : first(kFirstTemplate, log), second(kSecondTemplate, log), third(kThirdTemplate, log),
          sheet("Notifications"), controller(sheet)
    {
        InstallResources();
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&third);
        EXPECT_TRUE(controller.Start());
        log.clear();
    }

    std::vector<std::string> Notifications() const
    {
        std::vector<std::string> notes;
        for (const std::string& entry : log)
        {
            if (entry.rfind("clicked", 0) == 0 || entry.rfind("changed", 0) == 0 ||
                entry.rfind("selchange", 0) == 0 || entry.rfind("itemchanged", 0) == 0)
            {
                notes.push_back(entry);
            }
        }
        return notes;
    }

    std::vector<std::string> log;
    NotifiedPage first;
    NotifiedPage second;
    NotifiedPage third;
    CPropertySheet sheet;
    SheetController controller;
};

using Log = std::vector<std::string>;
} // namespace

TEST_F(NotificationTest, ProgrammaticChanges_SendNoNotification)
{
    first.m_strName = "loaded";
    ASSERT_TRUE(first.UpdateData(FALSE));
    first.GetDlgItem(kName)->SetWindowText("set");
    ASSERT_TRUE(controller.Next());
    auto* choice = static_cast<CComboBox*>(second.GetDlgItem(kChoice));
    choice->AddString("one");
    choice->AddString("two");
    choice->SetCurSel(1);
    second.m_nOption = BST_CHECKED;
    second.m_nChoice = 0;
    ASSERT_TRUE(second.UpdateData(FALSE));
    static_cast<CButton*>(second.GetDlgItem(kOption))->SetCheck(BST_UNCHECKED);
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(NotificationTest, UserType_SendsExactlyOneChangeWithTheNewText)
{
    ASSERT_TRUE(controller.Type(kName, "Zebra"));
    EXPECT_EQ(Notifications(), (Log{"changed:500:name=Zebra"}));
    // Typing the same text again changes nothing.
    ASSERT_TRUE(controller.Type(kName, "Zebra"));
    EXPECT_EQ(Notifications().size(), 1u);
}

TEST_F(NotificationTest, UserActions_ReachTheirTableEntries)
{
    ASSERT_TRUE(controller.Click(kApply));
    ASSERT_TRUE(controller.Next());
    auto* choice = static_cast<CComboBox*>(second.GetDlgItem(kChoice));
    choice->AddString("one");
    choice->AddString("two");
    auto* list = static_cast<CListBox*>(second.GetDlgItem(kList));
    list->AddString("x");
    auto* quiet = static_cast<CListBox*>(second.GetDlgItem(kQuiet));
    quiet->AddString("y");
    ASSERT_TRUE(controller.Select(kChoice, 1));
    ASSERT_TRUE(controller.Select(kChoice, 1)); // same item: no change
    ASSERT_TRUE(controller.Select(kList, 0));
    ASSERT_TRUE(controller.Select(kQuiet, 0)); // no LBS_NOTIFY: no notification
    EXPECT_EQ(quiet->GetCurSel(), 0);
    ASSERT_TRUE(controller.Check(kOption, BST_CHECKED));
    EXPECT_EQ(Notifications(), (Log{"clicked:500:apply", "selchange:501:choice",
                                    "selchange:501:list", "clicked:501:option"}));
    EXPECT_EQ(second.SendMessage(WM_USER + 7, 21, 0), 42);
}

TEST_F(NotificationTest, HiddenOrDisabledControl_RefusesUserActions)
{
    CWnd* name = first.GetDlgItem(kName);
    name->EnableWindow(FALSE);
    EXPECT_FALSE(static_cast<CEdit*>(name)->UserType("x"));
    name->EnableWindow(TRUE);
    name->ShowWindow(SW_HIDE);
    EXPECT_FALSE(static_cast<CEdit*>(name)->UserType("x"));
    name->ShowWindow(SW_SHOW);
    // Controls of a page that is not shown cannot be reached either.
    ASSERT_TRUE(controller.Next());
    EXPECT_FALSE(static_cast<CEdit*>(name)->UserType("x"));
    EXPECT_FALSE(static_cast<CButton*>(first.GetDlgItem(kApply))->UserClick());
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(name->GetWindowText(), "");
}

TEST_F(NotificationTest, RadioGroups_CheckOneButtonPerGroup)
{
    ASSERT_TRUE(sheet.SetActivePage(2));
    auto radio = [this](int id) { return static_cast<CButton*>(third.GetDlgItem(id)); };
    ASSERT_TRUE(controller.Click(kRadioB));
    ASSERT_TRUE(controller.Click(kRadioD));
    ASSERT_TRUE(controller.Click(kRadioC));
    EXPECT_EQ(radio(kRadioA)->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(radio(kRadioB)->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(radio(kRadioC)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(radio(kRadioD)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(Notifications().size(), 3u);
    // A user cannot uncheck a radio button.
    EXPECT_FALSE(radio(kRadioC)->UserCheck(BST_UNCHECKED));

    class RadioPage : public CPropertyPage
    {
    public:
        RadioPage() : CPropertyPage(kThirdTemplate) {}
        void DoDataExchange(CDataExchange* pDX) override
        {
            DDX_Radio(pDX, kRadioA, m_first);
            DDX_Radio(pDX, kRadioD, m_second);
        }
        int m_first = 1;
        int m_second = -1;
    } page;
    CPropertySheet other("Radios");
    other.AddPage(&page);
    SheetController driver(other);
    ASSERT_TRUE(driver.Start());
    auto other_radio = [&page](int id) { return static_cast<CButton*>(page.GetDlgItem(id)); };
    EXPECT_EQ(other_radio(kRadioB)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(other_radio(kRadioD)->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(other_radio(kRadioE)->GetCheck(), BST_UNCHECKED);
    ASSERT_TRUE(driver.Click(kRadioE));
    ASSERT_TRUE(driver.Click(kRadioA));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_first, 0);
    EXPECT_EQ(page.m_second, 1);
}

TEST_F(NotificationTest, ListView_UserSelectionNotifiesEachChangedRow)
{
    ASSERT_TRUE(sheet.SetActivePage(2));
    auto* devices = static_cast<CListCtrl*>(third.GetDlgItem(kDevices));
    CRect rect;
    devices->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 120 * 6 / 4);
    EXPECT_EQ(rect.Height(), 60 * 13 / 8);
    EXPECT_EQ(devices->InsertColumn(0, "Port", LVCFMT_LEFT, rect.Width() / 4), 0);
    EXPECT_EQ(devices->InsertColumn(1, "Model", LVCFMT_CENTER, 3 * rect.Width() / 4), 1);
    EXPECT_EQ(devices->InsertItem(0, "COM1"), 0);
    EXPECT_EQ(devices->InsertItem(1, "COM3"), 1);
    EXPECT_TRUE(devices->SetItemText(1, 1, "Model B"));
    EXPECT_EQ(devices->GetItemText(1, 1), "Model B");
    EXPECT_EQ(devices->GetItemText(0, 1), "");
    EXPECT_EQ(devices->GetColumnFormat(1), LVCFMT_CENTER);

    // Programmatic selection: no notification.
    devices->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(Notifications().empty());
    POSITION pos = devices->GetFirstSelectedItemPosition();
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(devices->GetNextSelectedItem(pos), 0);
    EXPECT_EQ(pos, nullptr);

    ASSERT_TRUE(controller.SelectRow(kDevices, 1));
    EXPECT_EQ(Notifications(), (Log{"itemchanged:502:0:3>0", "itemchanged:502:1:0>3"}));
    EXPECT_EQ(devices->GetSelectedCount(), 1u);
    EXPECT_EQ(devices->GetSelectionMark(), 1);
    pos = devices->GetFirstSelectedItemPosition();
    EXPECT_EQ(devices->GetNextSelectedItem(pos), 1);

    EXPECT_TRUE(devices->DeleteAllItems());
    EXPECT_EQ(devices->GetFirstSelectedItemPosition(), nullptr);
    EXPECT_EQ(devices->GetSelectionMark(), -1);
}
