#include "tests/pages/NetworkPagesTest.h"
#include "tests/support/WizardAdapters.h"

#include <algorithm>

using wizard_testing::NetworkPagesTest;
using wizard_testing::WithAdapters;

namespace
{
// Whole custom runs from the welcome page to the success page against a simulated adapter,
// with the numbers of each scheme typed on the way.
class NetworkWholeRun : public WithAdapters<NetworkPagesTest>
{
protected:
    // Presses Next until the page of class `pageClass` is current (each step must move on).
    void NextUntil(const std::string& pageClass)
    {
        for (int steps = 0; steps < 20 && ActivePageName() != pageClass; ++steps)
        {
            const std::string before = ActivePageName();
            ASSERT_EQ(Leave(true), "") << "on " << before;
        }
        ASSERT_EQ(ActivePageName(), pageClass);
    }

    // Saves the configuration as `name`, downloads it and expects the success page.
    void SaveAndDownload(const std::string& name)
    {
        NextUntil("CSaveCfgPage");
        ASSERT_TRUE(wizard.Type(IDC_CONFIG_NAME, name));
        NextUntil("CConfigingPage");
        ASSERT_TRUE(WaitForWorkers(30000));
        host.AdvanceTime(1000);
        ASSERT_EQ(ActivePageName(), "CConfigSuccessPage");
    }

    // The lines the adapter received from the first configuration line on (identification
    // before it left out).
    static std::vector<std::string> ConfigurationLines(const sim::Adapter& adapter)
    {
        std::vector<std::string> lines = adapter.ReceivedLines();
        auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("AT!C0=", 0) == 0;
        });
        return std::vector<std::string>(first, lines.end());
    }
};

TEST_F(NetworkWholeRun, ANorthAmericanSwitchSendsTheSPIDsAndDirectoryNumbers)
{
    sim::Adapter& adapter = AttachAdapter(1, "DIREDEDE/30");
    ASSERT_TRUE(wizard.Start());
    ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO)); // no search: the adapter is on the port named
    NextUntil("CINISectionPage");
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Custom (New)"));
    NextUntil("CNetworkSwitchType");
    ASSERT_TRUE(wizard.SelectText(IDC_SWITCH_TYPE, "DMS-100"));
    NextUntil("CNetworkCfgPage1");
    ASSERT_TRUE(wizard.SelectText(IDC_VOICE_TEI, "5"));
    NextUntil("CNetworkCfgPage2US");
    EXPECT_EQ(Leave(true), "Please enter 'DataSPID'.");
    for (const auto& [id, text] : {std::pair{IDC_DATA_SPID, " 01234567890100"},
                                   {IDC_VOICE_SPID, "01234567890200"},
                                   {IDC_DATA_DN, "5551000"},
                                   {IDC_VOICE_DN, "5551001"},
                                   {IDC_DATA_DN2, "5551002"}})
        ASSERT_TRUE(wizard.Type(id, text));
    NextUntil("CCallCtrlCfgPage");
    ASSERT_TRUE(wizard.Type(IDC_RINGS_TO_ANSWER, "2"));
    SaveAndDownload("Chicago");

    const std::vector<std::string> expected = {"AT!C0=1!D3=240*!D3=5",
                                               "AT!C6=01234567890100",
                                               "AT*!C6=01234567890200",
                                               "AT!N1=5551000*!N1=5551001",
                                               "AT!N2=5551002$D0%A97=0S0=2",
                                               "ATS50=1S30=0!Z=5S52=1&D1&S0",
                                               "AT&C1S25=5S10=7&R1&M0@P3=4",
                                               "AT$SB115200@P4=8@P6=1&E4S44=2",
                                               "ATS45=2S49=0S51=0S66=0S46=1",
                                               "ATS59=1S60=10S61=52S62=10",
                                               "ATS63=26S64=1",
                                               "AT&W0"};
    EXPECT_EQ(ConfigurationLines(adapter), expected);
    EXPECT_NE(ReadProfile().find("[Chicago]"), std::string::npos);
    EXPECT_NE(ReadProfile().find("DataSPID=01234567890100"), std::string::npos);
}

TEST_F(NetworkWholeRun, AEuropeanSwitchSendsTheMSNsWithTheirSubAddresses)
{
    sim::Adapter& adapter = AttachAdapter(1, "KESTRAST/13");
    ASSERT_TRUE(wizard.Start()); // "Yes": the search finds the adapter
    ASSERT_TRUE(wizard.Next());
    ASSERT_TRUE(WaitForWorkers(30000));
    host.AdvanceTime(1000);
    NextUntil("CINISectionPage");
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Custom (New)"));
    NextUntil("CNetworkCfgPage2Europe");
    for (const auto& [id, text] : {std::pair{IDC_DATA_MSN, "4930123"},
                                   {IDC_DATA_SUB, "17"},
                                   {IDC_VOICE_MSN, "4930124"},
                                   {IDC_VOICE_SUB, " 2 "},
                                   {IDC_DATA_MSN2, "4930125"},
                                   {IDC_DATA_SUB2, "3"}})
        ASSERT_TRUE(wizard.Type(id, text));
    SaveAndDownload("Berlin");

    const std::vector<std::string> expected = {
        "AT!C0=2!D3=240*!D3=240",        "AT!N1=4930123:17",
        "AT*!N1=4930124:2!N2=4930125:3", "AT$D0%A97=0S0=1S50=1S30=0!Z=5",
        "ATS52=1&D1&S0&C1S25=5S10=7&R1", "AT&M0@P3=4$SB115200@P4=8@P6=1",
        "AT&E4S44=2S45=2S49=0S51=0",     "ATS66=0S46=0S59=1S60=10S61=52",
        "ATS62=10S63=26S64=1",           "AT&W0"};
    EXPECT_EQ(ConfigurationLines(adapter), expected);
    EXPECT_NE(ReadProfile().find("VoiceMSN=4930124:2"), std::string::npos);
}
} // namespace
