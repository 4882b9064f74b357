#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
class SwitchTypePage : public NetworkPagesTest
{
};

struct OfferedSwitchTypes
{
    int modelCode;
    int extModelCode;
    std::vector<std::string> items;
};

TEST_F(SwitchTypePage, OffersTheNorthAmericanSwitchesOnly_ForTheDirededeModels)
{
    const std::vector<std::string> northAmerican = {"AT&T 5ESS", "DMS-100", "NI - 1"};
    const std::vector<std::string> all = {"AT&T 5ESS", "DMS-100", "NI - 1", "NET3", "VN4", "INS64"};
    const OfferedSwitchTypes rows[] = {{6, 30, northAmerican}, {3, 13, all}, {9, 32, all}};
    for (const OfferedSwitchTypes& row : rows)
    {
        SCOPED_TRACE(row.modelCode);
        StartOn(sheet.m_networkSwitchTypePage, row.modelCode, row.extModelCode);
        EXPECT_EQ(Items(1006), row.items);
        sheet.DestroyWindow();
    }
}

struct SwitchTypeLeft
{
    const char* stored; // the value loaded into the page
    bool byNext;
    const char* kept; // the value after leaving
    BOOL usSwitch;
};

TEST_F(SwitchTypePage, RecordsANorthAmericanSwitchInAnyLetterCase_WhenLeftEitherWay)
{
    const SwitchTypeLeft rows[] = {
        {"ni - 1", true, "NI - 1", TRUE},
        {"dms-100", false, "DMS-100", TRUE},
        {"AT&T 5ESS", true, "AT&T 5ESS", TRUE},
        {"NET3", true, "NET3", FALSE},
        {"vn4", false, "VN4", FALSE},
        // Offered by no item: nothing is selected, and leaving keeps no switch type.
        {"1TR6", true, "", FALSE},
    };
    for (const SwitchTypeLeft& row : rows)
    {
        SCOPED_TRACE(row.stored);
        sheet.m_networkSwitchTypePage.m_strSwitchType = row.stored;
        sheet.m_bUSSwitchType = !row.usSwitch;
        StartOn(sheet.m_networkSwitchTypePage);
        ASSERT_TRUE(row.byNext ? wizard.Next() : wizard.Back());
        EXPECT_NE(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
        EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, row.kept);
        EXPECT_EQ(sheet.m_bUSSwitchType, row.usSwitch);
        sheet.DestroyWindow();
    }
}

TEST_F(SwitchTypePage, KeepsThePreviousSelection_WhenANewValueMatchesNoItem)
{
    sheet.m_networkSwitchTypePage.m_strSwitchType = "NET3";
    StartOn(sheet.m_networkSwitchTypePage);
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_bandwidthPage);
    sheet.m_networkSwitchTypePage.m_strSwitchType = "1TR6";
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
    EXPECT_EQ(Selected(1006), "NET3");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, "NET3");
}

struct ModelRoute
{
    int modelCode;
    int extModelCode;
    CPropertyPage* (*next)(CCfgSheet&);
};

TEST_F(SwitchTypePage, SkipsTheBandwidthPage_ForModelsSevenToNine)
{
    const ModelRoute rows[] = {
        {3, 13, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_bandwidthPage; }},
        {6, 30, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_bandwidthPage; }},
        {7, 18, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; }},
        {8, 22, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; }},
        {9, 32, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; }},
    };
    for (const ModelRoute& row : rows)
    {
        SCOPED_TRACE(row.modelCode);
        StartOn(sheet.m_networkSwitchTypePage, row.modelCode, row.extModelCode);
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), row.next(sheet));
        sheet.DestroyWindow();
    }
}

TEST_F(SwitchTypePage, GoesBackToTheSetupTypePage_AndMarksAChoiceAsModified)
{
    StartOn(sheet.m_networkSwitchTypePage);
    EXPECT_FALSE(g_bCfgModified);
    ASSERT_TRUE(wizard.SelectText(1006, "VN4"));
    EXPECT_TRUE(g_bCfgModified);
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, "VN4");
}

class TeiPage : public NetworkPagesTest
{
};

struct TeiRoute
{
    const char* dataTEI; // selected by the user; "" leaves the combo box without a selection
    const char* voiceTEI;
    BOOL usSwitch;
    CPropertyPage* (*next)(CCfgSheet&);
    BOOL teiDisabled;
};

TEST_F(TeiPage, RoutesByTheSelectedTEIsAndTheSwitchType_WhenNextIsPressed)
{
    auto callCtrl = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_callCtrlCfgPage; };
    auto us = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage2US; };
    auto europe = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage2Europe; };
    const TeiRoute rows[] = {
        {"Disabled", "Disabled", TRUE, callCtrl, TRUE},
        {"Disabled", "Disabled", FALSE, callCtrl, TRUE},
        {"Disabled", "Auto TEI", TRUE, us, FALSE},
        {"0", "Disabled", TRUE, us, FALSE},
        {"Auto TEI", "63", FALSE, europe, FALSE},
        {"Disabled", "12", FALSE, europe, FALSE},
        // A combo box without a selection is not "Disabled".
        {"", "Disabled", FALSE, europe, FALSE},
    };
    for (const TeiRoute& row : rows)
    {
        SCOPED_TRACE(std::string(row.dataTEI) + "/" + row.voiceTEI);
        sheet.m_networkCfgPage1.m_strDataTEI = "";
        sheet.m_networkCfgPage1.m_strVoiceTEI = "";
        sheet.m_bUSSwitchType = row.usSwitch;
        sheet.m_bTEIDisabled = !row.teiDisabled;
        StartOn(sheet.m_networkCfgPage1);
        if (*row.dataTEI != '\0')
        {
            ASSERT_TRUE(wizard.SelectText(1004, row.dataTEI));
        }
        ASSERT_TRUE(wizard.SelectText(1005, row.voiceTEI));
        EXPECT_TRUE(g_bCfgModified);
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), row.next(sheet));
        EXPECT_EQ(sheet.m_bTEIDisabled, row.teiDisabled);
        EXPECT_EQ(sheet.m_networkCfgPage1.m_strDataTEI, row.dataTEI);
        EXPECT_EQ(sheet.m_networkCfgPage1.m_strVoiceTEI, row.voiceTEI);
        sheet.DestroyWindow();
        g_bCfgModified = FALSE;
    }
}

TEST_F(TeiPage, ShowsTheLoadedTEIs_AndGoesBackPastTheMissingBandwidthPage)
{
    WriteProfile("[Office]\nDataTEI=disabled\nVoiceTEI=17\n");
    const ModelRoute rows[] = {
        {3, 13, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_bandwidthPage; }},
        {8, 22, [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkSwitchTypePage; }},
    };
    for (const ModelRoute& row : rows)
    {
        SCOPED_TRACE(row.modelCode);
        TakeAdapter(row.modelCode, row.extModelCode);
        LoadConfiguration("Office");
        StartOn(sheet.m_networkCfgPage1, row.modelCode, row.extModelCode);
        EXPECT_EQ(Selected(1004), "Disabled");
        EXPECT_EQ(Selected(1005), "17");
        ASSERT_TRUE(wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), row.next(sheet));
        sheet.DestroyWindow();
    }
}
} // namespace
