#include "src/app/CfgSheet.h"
#include "framework/headless/SheetController.h"
#include "src/app/CfgApp.h"
#include "tests/app/SheetPages.h"
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
    EXPECT_EQ(sheet.GetPage(0), &sheet.m_welcomePage);
    EXPECT_EQ(sheet.GetPage(1), &sheet.m_portPage);
    EXPECT_EQ(sheet.GetPage(2), &sheet.m_idingPage);
    EXPECT_EQ(sheet.GetPage(3), &sheet.m_iniSectionPage);
    EXPECT_EQ(sheet.GetPage(5), &sheet.m_bandwidthPage);
    EXPECT_EQ(sheet.GetPage(14), &sheet.m_potsPortPage);
    EXPECT_EQ(sheet.GetPage(19), &sheet.m_configErrorPage);
    EXPECT_EQ(sheet.GetPage(20), &sheet.m_configTimeoutPage);
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
    int pages = 0;
    ForEachPage(sheet, [&](auto& page) {
        ++pages;
        EXPECT_EQ(page.m_pSheet, &sheet);
        EXPECT_EQ(dynamic_cast<CCfgSheet*>(page.GetParent()), page.m_pSheet);
    });
    EXPECT_EQ(pages, 21);

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
