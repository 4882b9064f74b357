#include "src/pages/pages.h"
#include "src/res/Resources.h"

#include <gtest/gtest.h>

namespace
{
class PageMembersTest : public testing::Test
{
protected:
    void SetUp() override { AfxSetResources(WizardResources()); }
};

TEST_F(PageMembersTest, EveryPageIsBuiltOnItsTemplateWithoutSheet_WhenConstructed)
{
    CWelcomePage welcome;
    CIDingPage iding;
    CStoredNumbersPage storedNumbers;
    CConfigTimeoutPage timeout;
    EXPECT_EQ(welcome.GetTemplateId(), IDD_WELCOME);
    EXPECT_EQ(iding.GetTemplateId(), IDD_SEARCH);
    EXPECT_EQ(storedNumbers.GetTemplateId(), IDD_STORED_NUMBERS);
    EXPECT_EQ(timeout.GetTemplateId(), IDD_TIMEOUT);
    EXPECT_EQ(storedNumbers.GetCaption(), "-");
    EXPECT_EQ(welcome.GetCaption(), "QUORAN Configuration Wizard");
    EXPECT_EQ(welcome.m_pSheet, nullptr);
    EXPECT_EQ(timeout.m_pSheet, nullptr);
    EXPECT_EQ(welcome.GetSafeHwnd(), nullptr);
}

TEST_F(PageMembersTest, RouteAndSearchStateHasItsStartValues_WhenConstructed)
{
    CWelcomePage welcome;
    EXPECT_EQ(welcome.m_nSearchChoice, -1);
    EXPECT_FALSE(welcome.m_bSearch);
    EXPECT_EQ(welcome.m_strIntro, "");

    CIDingPage iding;
    EXPECT_TRUE(iding.m_bSearchPending);
    EXPECT_EQ(iding.m_strHint, "");
    EXPECT_NE(iding.m_nTimerID, 0u);
    EXPECT_EQ(iding.m_nTicks, 0);

    CConfigingPage configuring;
    EXPECT_NE(configuring.m_nTimerID, 0u);
    EXPECT_EQ(configuring.m_strStatus, "");

    CINISectionPage iniSection;
    EXPECT_EQ(iniSection.m_nLoadedSetupType, -1);
    EXPECT_EQ(iniSection.m_strLoadedConfig, "");
    EXPECT_EQ(iniSection.m_strConfigName, "");

    CPortPage port;
    EXPECT_EQ(port.m_nPortIndex, -1);
    EXPECT_EQ(port.m_strSection, "Default Configs");
    EXPECT_EQ(port.m_strKey, "Port");
}

TEST_F(PageMembersTest, CatalogueMembersStartEmptyOrZero_WhenConstructed)
{
    CNetworkSwitchType switchType;
    EXPECT_EQ(switchType.m_strSwitchType, "");

    CCallCtrlCfgPage callCtrl;
    EXPECT_EQ(callCtrl.m_bAutoAnswer, 0);
    EXPECT_EQ(callCtrl.m_bPersistentDTR, 0);
    EXPECT_EQ(callCtrl.m_bCallerId, 0);
    EXPECT_EQ(callCtrl.m_nRingsToAnswer, 0);
    EXPECT_EQ(callCtrl.m_nInactivityTimer, 0);

    CStoredNumbersPage storedNumbers;
    ASSERT_EQ(std::size(storedNumbers.m_strNumber), 10u);
    for (const std::string& number : storedNumbers.m_strNumber)
        EXPECT_EQ(number, "");

    CPOTSPortPage pots;
    EXPECT_EQ(pots.m_nDialToneGain, 0);
    EXPECT_EQ(pots.m_strRingSignal, "");
    EXPECT_EQ(pots.m_strPulseRecognition, "");

    CBandwidthPage bandwidth;
    EXPECT_EQ(bandwidth.m_nHighThreshold, 0);
    EXPECT_EQ(bandwidth.m_nLowThroughput, 0);
    EXPECT_EQ(bandwidth.m_strDBAScheme, "");

    CPortCtrlCfgPage1 signals;
    EXPECT_EQ(signals.m_nDTRDetectTime, 0);
    EXPECT_EQ(signals.m_nDCDDropTime, 0);
}
} // namespace
