#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
class NetworkRoutes : public NetworkPagesTest
{
};

struct Route
{
    const char* start;
    int model = 3;
    BOOL express = FALSE;
    BOOL teiDisabled = FALSE;
    BOOL us = FALSE;
    const char* dataTEI = "Auto TEI"; // "" selects nothing
    const char* voiceTEI = "Auto TEI";
    bool next = true;
    const char* target = "";
};

TEST_F(NetworkRoutes, EveryNextAndBackLeadsWhereTheSetupModelTEIsAndSwitchSay)
{
    const Route rows[] = {
        {.start = "CNetworkSwitchType", .target = "CBandwidthPage"},
        {.start = "CNetworkSwitchType", .model = 8, .target = "CNetworkCfgPage1"},
        {.start = "CNetworkSwitchType", .next = false, .target = "CINISectionPage"},
        {.start = "CNetworkCfgPage1",
         .dataTEI = "Disabled",
         .voiceTEI = "disabled",
         .target = "CCallCtrlCfgPage"},
        {.start = "CNetworkCfgPage1",
         .us = TRUE,
         .dataTEI = "Disabled",
         .target = "CNetworkCfgPage2US"},
        {.start = "CNetworkCfgPage1",
         .teiDisabled = TRUE,
         .voiceTEI = "Disabled",
         .target = "CNetworkCfgPage2Europe"},
        {.start = "CNetworkCfgPage1",
         .dataTEI = "",
         .voiceTEI = "Disabled",
         .target = "CNetworkCfgPage2Europe"},
        {.start = "CNetworkCfgPage1", .next = false, .target = "CBandwidthPage"},
        {.start = "CNetworkCfgPage1", .model = 7, .next = false, .target = "CNetworkSwitchType"},
        {.start = "CNetworkCfgPage2US", .target = "CCallCtrlCfgPage"},
        {.start = "CNetworkCfgPage2US", .express = TRUE, .target = "CDataProtocolPage"},
        {.start = "CNetworkCfgPage2US", .next = false, .target = "CNetworkCfgPage1"},
        {.start = "CNetworkCfgPage2US",
         .model = 6,
         .express = TRUE,
         .next = false,
         .target = "CBandwidthPage"},
        {.start = "CNetworkCfgPage2US",
         .model = 8,
         .express = TRUE,
         .next = false,
         .target = "CINISectionPage"},
        {.start = "CNetworkCfgPage2Europe", .target = "CCallCtrlCfgPage"},
        {.start = "CNetworkCfgPage2Europe",
         .model = 9,
         .express = TRUE,
         .target = "CDataProtocolPage"},
        {.start = "CNetworkCfgPage2Europe", .next = false, .target = "CNetworkCfgPage1"},
        {.start = "CNetworkCfgPage2Europe",
         .model = 4,
         .express = TRUE,
         .next = false,
         .target = "CBandwidthPage"},
        {.start = "CNetworkCfgPage2Europe",
         .model = 7,
         .express = TRUE,
         .next = false,
         .target = "CINISectionPage"},
        {.start = "CCallCtrlCfgPage", .target = "CDataProtocolPage"},
        {.start = "CCallCtrlCfgPage",
         .teiDisabled = TRUE,
         .us = TRUE,
         .next = false,
         .target = "CNetworkCfgPage1"},
        {.start = "CCallCtrlCfgPage", .us = TRUE, .next = false, .target = "CNetworkCfgPage2US"},
        {.start = "CCallCtrlCfgPage", .next = false, .target = "CNetworkCfgPage2Europe"},
    };
    for (const Route& row : rows)
    {
        SCOPED_TRACE(std::string(row.start) + " to " + row.target);
        TakeModel(row.model);
        sheet.m_networkCfgPage1.m_strDataTEI = row.dataTEI;
        sheet.m_networkCfgPage1.m_strVoiceTEI = row.voiceTEI;
        sheet.m_networkCfgPage2US.m_strDataSPID = "1";
        sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        sheet.m_bExpressSetup = row.express;
        sheet.m_bTEIDisabled = row.teiDisabled;
        sheet.m_bUSSwitchType = row.us;
        StartOn(PageNamed(row.start));
        EXPECT_EQ(Leave(row.next), "");
        EXPECT_EQ(ActivePageName(), row.target);
        if (std::string(row.start) == "CNetworkCfgPage1" && row.next)
        {
            EXPECT_EQ(sheet.m_bTEIDisabled, ActivePageName() == "CCallCtrlCfgPage");
        }
        sheet.DestroyWindow();
    }
}

TEST_F(NetworkRoutes, TheSwitchTypePageOffersTheNorthAmericanSwitchesOnly_ForTheDiredede)
{
    for (int model : {6, 3})
    {
        TakeModel(model);
        StartOn(sheet.m_networkSwitchTypePage);
        const auto& combo = static_cast<const CComboBox&>(*wizard.Control(IDC_SWITCH_TYPE));
        EXPECT_EQ(combo.GetCount(), model == 6 ? 3 : 6);
        EXPECT_EQ(combo.FindStringExact(-1, "1TR6"), CB_ERR);
        sheet.DestroyWindow();
    }
}

struct SwitchTypeLeft
{
    const char* loaded;
    bool next;
    const char* kept;
    BOOL us;
};

TEST_F(NetworkRoutes, TheSwitchTypePageRecordsANorthAmericanSwitch_InAnyCaseAndEitherWay)
{
    const SwitchTypeLeft rows[] = {
        {"ni - 1", true, "NI - 1", TRUE},
        {"dms-100", false, "DMS-100", TRUE},
        {"NET3", true, "NET3", FALSE},
        // Offered by no item: nothing selected, and leaving keeps no switch type.
        {"1TR6", false, "", FALSE},
    };
    for (const SwitchTypeLeft& row : rows)
    {
        SCOPED_TRACE(row.loaded);
        TakeModel(3);
        sheet.m_networkSwitchTypePage.m_strSwitchType = row.loaded;
        sheet.m_bUSSwitchType = !row.us;
        StartOn(sheet.m_networkSwitchTypePage);
        EXPECT_EQ(Leave(row.next), "");
        EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, row.kept);
        EXPECT_EQ(sheet.m_bUSSwitchType, row.us);
        sheet.DestroyWindow();
    }
}

TEST_F(NetworkRoutes, TheSwitchTypePageKeepsItsSelection_WhenALoadedTypeMatchesNoItem)
{
    TakeModel(3);
    StartOn(sheet.m_networkSwitchTypePage);
    ASSERT_TRUE(wizard.SelectText(IDC_SWITCH_TYPE, "VN4"));
    EXPECT_TRUE(g_bCfgModified);
    EXPECT_EQ(Leave(true), "");
    sheet.m_networkSwitchTypePage.m_strSwitchType = "1TR6";
    EXPECT_EQ(Leave(false), "");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, "VN4");
}
} // namespace
