#include "tests/support/WizardTest.h"

#include <string>
#include <vector>

using wizard_testing::WizardTest;

namespace
{
class DataProtocolPageTest : public WizardTest
{
protected:
    CDataProtocolPage& page = sheet.m_dataProtocolPage;
};

TEST_F(DataProtocolPageTest, OffersTheProtocolsOfTheAdaptersRow_InTheRowsOrder)
{
    struct Row
    {
        int modelCode;
        int extModelCode;
        std::vector<std::string> protocols;
    };
    const Row rows[] = {
        {3, 13, {"V.110", "V.120", "MLPPP", "X.75"}},          // list A
        {4, 31, {"V.120", "V.110", "MLPPP", "X.75", "CLEAR"}}, // list B
        {6, 30, {"V.120", "MLPPP", "X.75", "CLEAR"}},          // list C
        {9, 32, {"V.120", "MLPPP", "X.75"}},                   // list D
        {8, 22, {"V.120", "MLPPP"}},                           // list E
        {7, 21, {"V.110", "V.120", "MLPPP"}},                  // list F
        {3, 30, {}},                                           // no row in the device table
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.modelCode) + "/" + std::to_string(row.extModelCode));
        StartOn(page, row.modelCode, row.extModelCode);
        EXPECT_EQ(ItemsOf(IDC_DATA_PROTOCOL), row.protocols);
    }
}

TEST_F(DataProtocolPageTest, StoresAnEmptyProtocol_WhenTheStoredOneIsNotOffered)
{
    page.m_strDataProtocol = "CLEAR"; // list A has no CLEAR
    StartOn(page, 3, 13);
    EXPECT_EQ(SelectionOf(IDC_DATA_PROTOCOL), "");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_strDataProtocol, "");
}

TEST_F(DataProtocolPageTest, KeepsTheEarlierSelection_WhenAProtocolThatIsNotOfferedIsLoaded)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.SelectText(IDC_DATA_PROTOCOL, "X.75"));
    ASSERT_TRUE(wizard.Next());
    page.m_strDataProtocol = "CLEAR";
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(SelectionOf(IDC_DATA_PROTOCOL), "X.75");
}

// The box is bound to the change handler, so a change of it alone is saved before it is sent.
TEST_F(DataProtocolPageTest, MarksTheConfigurationModified_WhenEitherControlChanges)
{
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Click(IDC_AUTO_DETECT));
    EXPECT_TRUE(g_bCfgModified);
    EXPECT_TRUE(page.IsModified());

    g_bCfgModified = FALSE;
    ASSERT_TRUE(wizard.SelectText(IDC_DATA_PROTOCOL, "X.75"));
    EXPECT_TRUE(g_bCfgModified);
}

TEST_F(DataProtocolPageTest, ExpressNextGoesToTheSavePage_WhenOnlyAutoDetectionWasChanged)
{
    sheet.m_bExpressSetup = TRUE;
    page.m_bAutoDetect = 1;
    StartOn(page, 3, 13);
    ASSERT_TRUE(wizard.Click(IDC_AUTO_DETECT));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
    EXPECT_EQ(page.m_bAutoDetect, 0);
}

} // namespace
