#include "tests/support/TestPages.h"

using namespace testpages;

namespace
{
class ControlsTest : public SheetTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(controller.Start());
        ASSERT_TRUE(controller.Next());
        combo = static_cast<CComboBox*>(second.GetDlgItem(kChoice));
        list = static_cast<CListBox*>(second.GetDlgItem(kList));
        unsorted = static_cast<CListBox*>(second.GetDlgItem(kQuiet));
    }

    std::vector<std::string> ItemsOf(const CListControlBase& box) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < box.GetCount(); ++i)
        {
            items.push_back(box.GetItemText(i));
        }
        return items;
    }

    CComboBox* combo = nullptr;
    CListBox* list = nullptr;
    CListBox* unsorted = nullptr;
};

using Items = std::vector<std::string>;
} // namespace

TEST_F(ControlsTest, SortedLists_KeepAddedItemsInOrderIgnoringCase)
{
    for (const char* text : {"delta", "Bravo", "alpha", "Charlie", "bravo"})
    {
        combo->AddString(text);
        list->AddString(text);
        unsorted->AddString(text);
    }
    EXPECT_EQ(ItemsOf(*combo), (Items{"alpha", "Bravo", "bravo", "Charlie", "delta"}));
    EXPECT_EQ(ItemsOf(*list), ItemsOf(*combo));
    EXPECT_EQ(ItemsOf(*unsorted), (Items{"delta", "Bravo", "alpha", "Charlie", "bravo"}));
    // InsertString puts an item where it is told, even in a sorted list.
    EXPECT_EQ(combo->InsertString(0, "zulu"), 0);
    EXPECT_EQ(combo->InsertString(-1, "echo"), 6);
    EXPECT_EQ(combo->InsertString(9, "far"), CB_ERR);
    EXPECT_EQ(combo->GetLBText(0), "zulu");
}

TEST_F(ControlsTest, FindAndSelect_MatchIgnoringCase)
{
    for (const char* text : {"NI - 1", "NET3", "DMS-100", "net5"})
    {
        unsorted->AddString(text);
    }
    EXPECT_EQ(unsorted->FindStringExact(-1, "net3"), 1);
    EXPECT_EQ(unsorted->FindStringExact(-1, "NET"), LB_ERR);
    EXPECT_EQ(unsorted->FindString(-1, "ne"), 1);
    EXPECT_EQ(unsorted->FindString(1, "ne"), 3);
    // The search goes on from the top back to the start item, and an empty text matches nothing.
    EXPECT_EQ(unsorted->FindString(3, "ne"), 1);
    EXPECT_EQ(unsorted->FindStringExact(1, "net3"), 1);
    EXPECT_EQ(unsorted->FindStringExact(2, "ni - 1"), 0);
    EXPECT_EQ(unsorted->FindString(-1, ""), LB_ERR);
    EXPECT_EQ(unsorted->FindStringExact(-1, ""), LB_ERR);

    unsorted->SetCurSel(2);
    EXPECT_EQ(unsorted->SelectString(-1, "ni"), 0);
    EXPECT_EQ(unsorted->GetCurSel(), 0);
    EXPECT_EQ(unsorted->SelectString(-1, "ATT"), LB_ERR);
    EXPECT_EQ(unsorted->SelectString(-1, ""), LB_ERR);
    EXPECT_EQ(unsorted->GetCurSel(), 0);
    EXPECT_EQ(unsorted->GetWindowText(), "NI - 1");
}

TEST_F(ControlsTest, SelectionFollowsItsItem_AndOutOfRangeClears)
{
    for (const char* text : {"a", "b", "c"})
    {
        combo->AddString(text);
    }
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->SetCurSel(2), 2);
    EXPECT_EQ(combo->DeleteString(0), 2);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetLBText(combo->GetCurSel()), "c");
    EXPECT_EQ(combo->DeleteString(1), 1);
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->DeleteString(5), CB_ERR);
    EXPECT_EQ(combo->SetCurSel(0), 0);
    EXPECT_EQ(combo->SetCurSel(3), CB_ERR);
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->GetLBText(7), "");
    EXPECT_EQ(combo->GetLBTextLen(7), CB_ERR);
    combo->ResetContent();
    EXPECT_EQ(combo->GetCount(), 0);
}

TEST_F(ControlsTest, ItemData_StaysWithItsItem)
{
    int b = combo->AddString("b");
    combo->SetItemData(b, 20);
    int a = combo->AddString("a");
    combo->SetItemData(a, 10);
    EXPECT_EQ(combo->GetItemData(0), 10u);
    EXPECT_EQ(combo->GetItemData(1), 20u);
    EXPECT_EQ(combo->SetItemData(4, 1), CB_ERR);
    EXPECT_EQ(combo->GetItemData(4), 0u);
}

TEST_F(ControlsTest, UserSelect_RefusesBadIndex)
{
    combo->AddString("only");
    std::vector<std::string> errors;
    host.SetErrorHandler([&errors](const std::string& e) { errors.push_back(e); });
    EXPECT_FALSE(controller.Select(kChoice, 1));
    EXPECT_FALSE(controller.Select(kChoice, -1));
    EXPECT_FALSE(controller.SelectText(kChoice, "none"));
    EXPECT_FALSE(controller.Type(kChoice, "text"));
    EXPECT_FALSE(controller.Click(4711));
    host.SetErrorHandler([](const std::string& e) { ADD_FAILURE() << e; });
    EXPECT_EQ(errors.size(), 5u);
    EXPECT_TRUE(controller.SelectText(kChoice, "ONLY"));
    EXPECT_EQ(combo->GetCurSel(), 0);
}

TEST_F(ControlsTest, Edit_LimitDefaultsAndUserTypingIsCut)
{
    auto* count = static_cast<CEdit*>(second.GetDlgItem(kCount));
    EXPECT_EQ(count->GetLimitText(), 30000u);
    count->LimitText(3);
    EXPECT_EQ(count->GetLimitText(), 3u);
    ASSERT_TRUE(controller.Type(kCount, "12345"));
    EXPECT_EQ(count->GetWindowText(), "123");
    count->SetLimitText(10);
    EXPECT_EQ(count->GetLimitText(), 10u);
}

TEST_F(ControlsTest, TemplateControls_CarryKindIdStylePositionAndImage)
{
    ASSERT_TRUE(controller.Back());
    CWnd* picture = first.GetDlgItem(kPicture);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetKind(), WindowKind::Static);
    EXPECT_EQ(picture->GetImageId(), kIcon);
    CWnd* apply = first.GetDlgItem(kApply);
    EXPECT_EQ(apply->GetKind(), WindowKind::Button);
    EXPECT_EQ(static_cast<CButton*>(apply)->GetButtonStyle(), static_cast<UINT>(BS_PUSHBUTTON));
    EXPECT_EQ(apply->GetWindowText(), "Apply");
    EXPECT_EQ(apply->GetDialogRect().left, 140);
    EXPECT_EQ(apply->GetDialogRect().Height(), 14);
    CRect pixels;
    apply->GetWindowRect(&pixels);
    EXPECT_EQ(pixels.left, 140 * 6 / 4);
    EXPECT_EQ(pixels.top, 5 * 13 / 8);
    std::vector<CWnd*> children = first.GetChildren();
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]->GetDlgCtrlID(), kLabel);
    EXPECT_EQ(children[3]->GetDlgCtrlID(), kPicture);
    EXPECT_EQ(first.GetDlgItem(9999), nullptr);
}

TEST_F(ControlsTest, MemberControlOutlivingItsWindow_BecomesUnbound)
{
    CEdit member;
    ASSERT_TRUE(member.SubclassDlgItem(kCount, &second));
    member.SetWindowText("12");
    EXPECT_EQ(second.GetDlgItem(kCount)->GetWindowText(), "12");
    EXPECT_FALSE(member.Attach(second.GetDlgItem(kChoice)->m_hWnd));
    sheet.DestroyWindow();
    EXPECT_EQ(member.m_hWnd, nullptr);
    EXPECT_EQ(member.GetWindowText(), "");
    EXPECT_FALSE(member.UserType("x"));
}

TEST_F(ControlsTest, Focus_MovesAndLeavesDisabledWindows)
{
    CWnd* count = second.GetDlgItem(kCount);
    CWnd* choice = second.GetDlgItem(kChoice);
    count->SetFocus();
    EXPECT_EQ(choice->SetFocus(), count);
    EXPECT_EQ(CWnd::GetFocus(), choice);
    choice->EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    EXPECT_TRUE(choice->EnableWindow(TRUE));
    EXPECT_FALSE(choice->EnableWindow(TRUE));
}

TEST_F(ControlsTest, HostIsToldOfEveryWindowAndChange)
{
    std::vector<CWnd*> windows = host.Windows();
    // Sheet, four buttons, the first page with four controls, the second page with five.
    EXPECT_EQ(windows.size(), 1u + 4u + 1u + 4u + 1u + 5u);
    EXPECT_EQ(windows[0], &sheet);
    EXPECT_EQ(windows[1]->GetParent(), &sheet);
    size_t before = host.ChangeCount();
    combo->AddString("x");
    combo->SetCurSel(0);
    second.GetDlgItem(kCount)->SetWindowText("9");
    EXPECT_EQ(host.ChangeCount(), before + 3);
    sheet.DestroyWindow();
    EXPECT_TRUE(host.Windows().empty());
}
