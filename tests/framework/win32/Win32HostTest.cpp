// The native host with real Win32 windows: placement from dialog units, each control kind both
// ways (the user's doing reaches the framework, the program's changes show without a
// notification), the keyboard of the dialog manager, timers, busy calls, the modal loop with a
// driver, and screenshots.
#include "tests/framework/win32/Win32TestSupport.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace win32test
{
namespace
{
class Win32Sheet : public Win32SheetTest
{
protected:
    // The window's rectangle inside its parent's client area.
    static RECT RectInParent(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    static std::string ItemText(HWND list, UINT getText, int index)
    {
        char text[256] = {};
        SendMessageA(list, getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }

    static std::string CellText(HWND view, int row, int column)
    {
        char text[256] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }

    CEdit& Name() { return *static_cast<CEdit*>(first.GetDlgItem(kName)); }
    CButton& Button(int id) { return *static_cast<CButton*>(first.GetDlgItem(id)); }
    CListControlBase& List(int id) { return *static_cast<CListControlBase*>(first.GetDlgItem(id)); }
    CListCtrl& Devices() { return *static_cast<CListCtrl*>(first.GetDlgItem(kDevices)); }

    void SetButtons(DWORD flags)
    {
        sheet.SetWizardButtons(flags);
        AfxPumpMessages();
    }
};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(Win32Sheet, Controls_ArePlacedFromTheirDialogUnits_AndTheButtonsBelowThePage)
{
    RECT expected;
    first.GetDlgItem(kName)->GetWindowRect(&expected);
    EXPECT_TRUE(SameRect(RectInParent(Control(kName)), expected));
    const BaseUnits units = host->GetBaseUnits();
    RECT page = RectInParent(host->WindowOf(first));
    EXPECT_EQ(page.right - page.left, 266 * units.x / 4);
    EXPECT_EQ(page.bottom - page.top, 150 * units.y / 8);
    const RECT cancel = RectInParent(SheetButton(IDCANCEL));
    EXPECT_GT(cancel.top, page.bottom);
    EXPECT_EQ(cancel.right, page.right);
    EXPECT_TRUE(
        SameRect(RectInParent(SheetButton(ID_WIZNEXT)), RectInParent(SheetButton(ID_WIZFINISH))));
}

TEST_F(Win32Sheet, TitleAndDefaultButton_FollowThePageAndTheWizardButtons)
{
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(TextOf(Window()), "First Page");
    EXPECT_EQ(LOWORD(SendMessageA(Window(), DM_GETDEFID, 0, 0)), ID_WIZNEXT);
    Click(SheetButton(ID_WIZNEXT));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(TextOf(Window()), "Second Page");
    SetButtons(PSWIZB_BACK | PSWIZB_FINISH);
    EXPECT_FALSE(IsWindowVisible(SheetButton(ID_WIZNEXT)));
    EXPECT_TRUE(IsWindowVisible(SheetButton(ID_WIZFINISH)));
    EXPECT_EQ(LOWORD(SendMessageA(Window(), DM_GETDEFID, 0, 0)), ID_WIZFINISH);
}

TEST_F(Win32Sheet, Typing_ReachesTheFramework_OneChangePerCharacter_AndStopsAtTheLimit)
{
    SetFocus(Control(kName));
    Type("abc");
    EXPECT_EQ(Name().GetWindowText(), "abc");
    EXPECT_EQ(first.Count("EN_CHANGE", kName), 3);
    Name().LimitText(4);
    Type("def");
    EXPECT_EQ(Name().GetWindowText(), "abcd");
    EXPECT_EQ(TextOf(Control(kName)), "abcd");
}

TEST_F(Win32Sheet, ProgramChanges_ShowInTheWindows_WithoutANotification)
{
    Name().SetWindowText("set by the program");
    Button(kOption).SetCheck(BST_CHECKED);
    Button(kRadioB).SetCheck(BST_CHECKED);
    List(kSorted).AddString("one");
    List(kSorted).SetCurSel(0);
    List(kList).AddString("first");
    List(kList).SetCurSel(0);
    Devices().InsertColumn(0, "Port");
    Devices().InsertItem(0, "COM1");
    Devices().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    first.GetDlgItem(kApply)->EnableWindow(FALSE);
    Settle();

    EXPECT_EQ(TextOf(Control(kName)), "set by the program");
    EXPECT_EQ(SendMessageA(Control(kOption), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Control(kRadioB), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Control(kSorted), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(Control(kList), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(Control(kDevices), LVM_GETITEMSTATE, 0, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_FALSE(IsWindowEnabled(Control(kApply)));
    EXPECT_TRUE(first.events.empty()) << first.events.front();
}

TEST_F(Win32Sheet, ClickedButtons_NotifyTheirPage_AndRadiosStayInTheirGroup)
{
    Click(Control(kApply));
    Click(Control(kOption));
    EXPECT_EQ(Button(kOption).GetCheck(), BST_CHECKED);
    Click(Control(kRadioC));
    Click(Control(kRadioA));
    Click(Control(kRadioB));
    EXPECT_EQ(Button(kRadioA).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Button(kRadioB).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(kRadioC).GetCheck(), BST_CHECKED) << "another group";
    EXPECT_EQ(SendMessageA(Control(kRadioA), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(first.events,
              (std::vector<std::string>{"BN_CLICKED:1011", "BN_CLICKED:1002", "BN_CLICKED:1005",
                                        "BN_CLICKED:1003", "BN_CLICKED:1004"}));
}

TEST_F(Win32Sheet, SortedDropDown_ShowsTheFrameworksOrder_AndReportsTheUsersChoice)
{
    for (const char* fruit : {"pear", "Apple", "fig"})
        List(kSorted).AddString(fruit);
    Settle();
    ASSERT_EQ(SendMessageA(Control(kSorted), CB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ItemText(Control(kSorted), CB_GETLBTEXT, i), List(kSorted).GetItemText(i));
    EXPECT_EQ(List(kSorted).GetItemText(0), "Apple");

    SetFocus(Control(kSorted));
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(List(kSorted).GetCurSel(), 1);
    EXPECT_EQ(first.Count("CBN_SELCHANGE", kSorted), 2);
}

TEST_F(Win32Sheet, ListBox_ReportsTheUsersSelection)
{
    for (const char* item : {"one", "two", "three"})
        List(kList).AddString(item);
    List(kList).SetCurSel(0);
    Settle();
    SetFocus(Control(kList));
    Press(VK_DOWN);
    EXPECT_EQ(List(kList).GetCurSel(), 1);
    EXPECT_EQ(SendMessageA(Control(kList), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(first.Count("LBN_SELCHANGE", kList), 1);
}

TEST_F(Win32Sheet, ReportList_ShowsColumnsAndRows_AndReportsTheUsersRow)
{
    Devices().InsertColumn(0, "Port", LVCFMT_LEFT, 60);
    Devices().InsertColumn(1, "Model", LVCFMT_LEFT, 120);
    Devices().InsertItem(0, "COM1");
    Devices().SetItemText(0, 1, "KESTRAST");
    Devices().InsertItem(1, "COM4");
    Devices().SetItemText(1, 1, "PELLOR-S");
    Settle();
    EXPECT_EQ(SendMessageA(Control(kDevices), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(CellText(Control(kDevices), 0, 1), "KESTRAST");
    EXPECT_EQ(CellText(Control(kDevices), 1, 0), "COM4");

    // A click on the second row selects it, as the list view reports it.
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Control(kDevices), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    Settle();
    EXPECT_EQ(Devices().GetSelectionMark(), 1);
    EXPECT_NE(Devices().GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_GE(first.Count("LVN_ITEMCHANGED", kDevices), 1);
}

TEST_F(Win32Sheet, Enter_PressesNext_ThenFinishWhenShown)
{
    SetFocus(Control(kName));
    Press(VK_RETURN);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    SetButtons(PSWIZB_BACK | PSWIZB_FINISH);
    Press(VK_RETURN);
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDOK);
}

TEST_F(Win32Sheet, EscapeAndTheCloseBox_PressCancel_OnlyWhenItIsEnabled)
{
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    SetFocus(Control(kName));
    Press(VK_ESCAPE);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    Settle();
    EXPECT_TRUE(sheet.IsOpen());
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    Settle();
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(Win32Sheet, Tab_RunsThroughThePageInTemplateOrder_ThenTheSheetButtons)
{
    SetFocus(Control(kName));
    std::vector<HWND> reached;
    for (int i = 0; i < 11; ++i)
    {
        reached.push_back(GetFocus());
        Press(VK_TAB);
    }
    const std::vector<HWND> expected = {
        Control(kName),          Control(kApply),         Control(kOption),     Control(kRadioA),
        Control(kRadioC),        Control(kSorted),        Control(kList),       Control(kDevices),
        SheetButton(ID_WIZBACK), SheetButton(ID_WIZNEXT), SheetButton(IDCANCEL)};
    EXPECT_EQ(reached, expected);
    EXPECT_EQ(GetFocus(), Control(kName)) << "round again";
}

TEST_F(Win32Sheet, LabelMnemonic_FocusesTheNextControl)
{
    SetFocus(Control(kApply));
    PostMessageA(GetFocus(), WM_SYSCHAR, 'm', 1 << 29);
    Settle();
    EXPECT_EQ(GetFocus(), Control(kName));
}

TEST_F(Win32Sheet, Timers_FireOnTheLoop_UntilKilled_AndWaitForABusyCall)
{
    first.SetTimer(7, 20);
    host->Wait(200);
    EXPECT_GE(first.events.size(), 2u);
    EXPECT_EQ(first.events.front(), "TIMER:7");

    first.events.clear();
    host->RunBusy([] { Sleep(150); });
    EXPECT_TRUE(first.events.empty()) << "held back while busy";
    Settle();
    EXPECT_FALSE(first.events.empty()) << "the tick held back comes after the call";

    first.KillTimer(7);
    first.events.clear();
    host->Wait(100);
    EXPECT_TRUE(first.events.empty());
}

class CountingDriver : public Driver
{
public:
    bool Step(CPropertySheet&) override { return ++steps < 3; }
    int steps = 0;
};

TEST_F(Win32Sheet, RunModal_StepsTheDriver_AndCancelsWhenItIsDone)
{
    CountingDriver driver;
    host->SetDriver(&driver);
    host->RunModal(sheet);
    host->SetDriver(nullptr);
    EXPECT_EQ(driver.steps, 3);
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(Win32Sheet, Screenshot_WritesAPngOfTheWindow)
{
    const auto file = std::filesystem::temp_directory_path() / "quoran-win32-shot.png";
    ASSERT_TRUE(host->Screenshot(file.string()));
    std::ifstream in(file, std::ios::binary);
    char signature[8] = {};
    in.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    in.close();
    std::filesystem::remove(file);
}
} // namespace
} // namespace win32test
