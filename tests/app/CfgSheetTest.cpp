#include "src/app/CfgSheet.h"
#include "framework/headless/SheetController.h"
#include "framework/headless/Wording.h"
#include "src/app/CfgApp.h"
#include "tests/support/PageList.h"
#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class CfgSheetTest : public testing::Test
{
protected:
    CfgSheetTest() { sheet.SetWizardMode(); }

    CCfgSheet sheet{"test", nullptr, 0};
    SheetController wizard{sheet};
};

TEST_F(CfgSheetTest, PagesSitAtTheirWizardIndex_WhereDeclarationOrderDiffers)
{
    ASSERT_EQ(sheet.GetPageCount(), static_cast<int>(std::size(kPages)));
    for (int index = 0; index < sheet.GetPageCount(); ++index)
    {
        const CPropertyPage& page = *sheet.GetPage(index);
        EXPECT_EQ(PageClassName(page), kPages[index].className) << index;
        EXPECT_EQ(page.GetTemplateId(), kPages[index].templateId) << index;
        EXPECT_EQ(page.GetCaption(), kPages[index].caption) << index;
    }
}

TEST_F(CfgSheetTest, AllThreeFlagsReadFalse_WhenTheSheetIsBuiltAndStarted)
{
    ASSERT_TRUE(wizard.Start());
    auto* fromPage = dynamic_cast<CCfgSheet*>(wizard.ActivePage()->GetParent());
    ASSERT_NE(fromPage, nullptr);
    EXPECT_FALSE(fromPage->m_bExpressSetup);
    EXPECT_FALSE(fromPage->m_bUSSwitchType);
    EXPECT_FALSE(fromPage->m_bTEIDisabled);
}

TEST_F(CfgSheetTest, ParentDownCastAndSheetPointerAreTheSameSheet_BeforeAndAfterThePageWindowsExist)
{
    for (int index = 0; index < sheet.GetPageCount(); ++index)
    {
        auto* page = dynamic_cast<CCfgPage*>(sheet.GetPage(index));
        ASSERT_NE(page, nullptr) << index;
        EXPECT_EQ(page->m_pSheet, &sheet);
        EXPECT_EQ(dynamic_cast<CCfgSheet*>(page->GetParent()), page->m_pSheet);
    }

    ASSERT_TRUE(wizard.Start());
    CPropertyPage* welcome = wizard.ActivePage();
    ASSERT_NE(welcome->GetSafeHwnd(), nullptr);
    EXPECT_EQ(dynamic_cast<CCfgSheet*>(welcome->GetParent()), &sheet);
}

TEST_F(CfgSheetTest, SheetWindowCarriesIcon128AsBigAndSmallIcon_WhenCreated)
{
    ASSERT_NE(sheet.m_hIcon, nullptr);
    const ImageResource* image = AfxIconImage(sheet.m_hIcon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->id, 128u);

    ASSERT_TRUE(wizard.Start());
    EXPECT_EQ(sheet.GetIcon(TRUE), sheet.m_hIcon);
    EXPECT_EQ(sheet.GetIcon(FALSE), sheet.m_hIcon);
    EXPECT_EQ(wizard.ActiveIndex(), 0);
}

TEST_F(CfgSheetTest, PageControlsComeFromTheTemplate_OnTheFirstActivation)
{
    EXPECT_EQ(sheet.m_welcomePage.GetDlgItem(IDC_SEARCH_YES), nullptr);
    ASSERT_TRUE(wizard.Start());

    CWnd* yes = sheet.m_welcomePage.GetDlgItem(IDC_SEARCH_YES);
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->GetKind(), WindowKind::Button);
    EXPECT_EQ(yes->GetWindowText(), "Yes");
    ASSERT_NE(wizard.Control(IDC_SEARCH_NO), nullptr);
    EXPECT_EQ(wizard.Control(IDC_WELCOME_INTRO)->GetKind(), WindowKind::Static);
    EXPECT_EQ(sheet.m_idingPage.GetSafeHwnd(), nullptr);
    EXPECT_EQ(sheet.m_idingPage.GetDlgItem(IDC_DEVICE_LIST), nullptr);
}

TEST_F(CfgSheetTest, RevisitedPageKeepsItsControls_WhenActivatedAgain)
{
    ASSERT_TRUE(wizard.Start());
    CWnd* yes = wizard.Control(IDC_SEARCH_YES);
    ASSERT_NE(yes, nullptr);
    ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO)); // "No": on to the COM port page, no search
    ASSERT_TRUE(wizard.Next());
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.Control(IDC_SEARCH_YES), yes);
}
} // namespace
