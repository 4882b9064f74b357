// The wizard's routes as a whole: every page, its buttons on arrival, where Next and Back lead
// under each condition that decides it (one test a row), and the walks through several pages
// that the routes are known for.
#include "tests/pages/NetworkPagesTest.h"
#include "tests/support/PageList.h"
#include "tests/support/WizardAdapters.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <sstream>
#include <string>

using wizard_testing::AdapterWizardTest;
using wizard_testing::NetworkPagesTest;
using wizard_testing::WithAdapters;

namespace
{
// What a row does on its page: press a sheet button, or wait for the page to leave by itself.
enum class Press
{
    Next,
    Back,
    Finish,
    Wait,
};

// One cell of the routing table: the page, the button, the conditions that decide the route,
// and where the wizard is afterwards ("(closed)" when the sheet ended), with the one message box
// the press shows, if any. The conditions are words:
//   express          the setup type is "Express (Existing)" (else a custom setup)
//   model=N          the adapter is of model N (else 3, a KESTRAST; on the line 8 is a ZOBRA-2S)
//   US               the switch type is North American, "NI - 1" (else "NET3")
//   TEIs-off         both TEIs are "Disabled" (else "Auto TEI"), and the sheet knows it
//   TEI-flag         only the sheet's flag says that both TEIs are off
//   data-TEI=TEXT    the TEI page holds TEXT as its data TEI ("none": nothing is selected)
//   voice-TEI=TEXT   the same for the voice TEI
//   modified         the configuration was changed since it was opened
//   no-search        the welcome page's choice was "No" (else "Yes")
//   no-adapter       nothing answers on COM1 (else the adapter does)
//   no-row           no row of the search page's list is selected (else the first is)
struct Route
{
    const char* page;
    Press press;
    const char* conditions;
    const char* target;
    const char* message = "";
};

struct Conditions
{
    bool express = false;
    int model = 3;
    bool us = false;
    bool teisOff = false;
    bool teiFlag = false;
    std::optional<std::string> dataTEI;
    std::optional<std::string> voiceTEI;
    bool modified = false;
    bool search = true;
    bool adapter = true;
    bool selectRow = true;
};

Conditions Parse(const std::string& words)
{
    Conditions conditions;
    std::istringstream stream(words);
    for (std::string word; stream >> word;)
    {
        const size_t equals = word.find('=');
        const std::string key = word.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (word == "express")
            conditions.express = true;
        else if (key == "model")
            conditions.model = std::stoi(value);
        else if (word == "US")
            conditions.us = true;
        else if (word == "TEIs-off")
            conditions.teisOff = true;
        else if (word == "TEI-flag")
            conditions.teiFlag = true;
        else if (key == "data-TEI")
            conditions.dataTEI = value == "none" ? "" : value;
        else if (key == "voice-TEI")
            conditions.voiceTEI = value == "none" ? "" : value;
        else if (word == "modified")
            conditions.modified = true;
        else if (word == "no-search")
            conditions.search = false;
        else if (word == "no-adapter")
            conditions.adapter = false;
        else if (word == "no-row")
            conditions.selectRow = false;
        else
            ADD_FAILURE() << "unknown condition " << word;
    }
    return conditions;
}

// clang-format off
using enum Press;
const Route kRoutes[] = {
    {"CWelcomePage",           Next,   "",                                      "CIDingPage"},
    {"CWelcomePage",           Next,   "no-search",                             "CPortPage"},

    {"CPortPage",              Next,   "",                                      "CINISectionPage"},
    {"CPortPage",              Next,   "no-adapter",                            "CPortPage", "Error invalid device."},
    {"CPortPage",              Back,   "",                                      "CWelcomePage"},

    {"CIDingPage",             Next,   "",                                      "CINISectionPage"},
    {"CIDingPage",             Next,   "no-row",                                "CIDingPage", "ERROR: You must select one device to configure."},
    {"CIDingPage",             Back,   "",                                      "CWelcomePage"},

    {"CINISectionPage",        Next,   "",                                      "CNetworkSwitchType"},
    {"CINISectionPage",        Next,   "model=8",                               "CNetworkSwitchType"},
    {"CINISectionPage",        Next,   "express US TEIs-off",                   "CBandwidthPage"},
    {"CINISectionPage",        Next,   "express model=8 US TEIs-off",           "CDataProtocolPage"},
    {"CINISectionPage",        Next,   "express model=8 US",                    "CNetworkCfgPage2US"},
    {"CINISectionPage",        Next,   "express model=8",                       "CNetworkCfgPage2Europe"},
    {"CINISectionPage",        Back,   "no-search",                             "CPortPage"},
    {"CINISectionPage",        Back,   "",                                      "CIDingPage"},

    {"CNetworkSwitchType",     Next,   "",                                      "CBandwidthPage"},
    {"CNetworkSwitchType",     Next,   "model=8",                               "CNetworkCfgPage1"},
    {"CNetworkSwitchType",     Back,   "",                                      "CINISectionPage"},

    {"CBandwidthPage",         Next,   "US TEIs-off",                           "CNetworkCfgPage1"},
    {"CBandwidthPage",         Next,   "express US TEIs-off",                   "CDataProtocolPage"},
    {"CBandwidthPage",         Next,   "express US",                            "CNetworkCfgPage2US"},
    {"CBandwidthPage",         Next,   "express",                               "CNetworkCfgPage2Europe"},
    {"CBandwidthPage",         Back,   "express",                               "CINISectionPage"},
    {"CBandwidthPage",         Back,   "",                                      "CNetworkSwitchType"},

    {"CNetworkCfgPage1",       Next,   "US TEIs-off",                           "CCallCtrlCfgPage"},
    {"CNetworkCfgPage1",       Next,   "US",                                    "CNetworkCfgPage2US"},
    {"CNetworkCfgPage1",       Next,   "",                                      "CNetworkCfgPage2Europe"},
    {"CNetworkCfgPage1",       Next,   "data-TEI=Disabled voice-TEI=disabled",  "CCallCtrlCfgPage"},
    {"CNetworkCfgPage1",       Next,   "US data-TEI=Disabled",                  "CNetworkCfgPage2US"},
    {"CNetworkCfgPage1",       Next,   "TEI-flag voice-TEI=Disabled",           "CNetworkCfgPage2Europe"},
    {"CNetworkCfgPage1",       Next,   "data-TEI=none voice-TEI=Disabled",      "CNetworkCfgPage2Europe"},
    {"CNetworkCfgPage1",       Back,   "model=8",                               "CNetworkSwitchType"},
    {"CNetworkCfgPage1",       Back,   "",                                      "CBandwidthPage"},
    {"CNetworkCfgPage1",       Back,   "model=7",                               "CNetworkSwitchType"},

    {"CNetworkCfgPage2US",     Next,   "express US",                            "CDataProtocolPage"},
    {"CNetworkCfgPage2US",     Next,   "US",                                    "CCallCtrlCfgPage"},
    {"CNetworkCfgPage2US",     Next,   "express",                               "CDataProtocolPage"},
    {"CNetworkCfgPage2US",     Next,   "",                                      "CCallCtrlCfgPage"},
    {"CNetworkCfgPage2US",     Back,   "express model=8 US",                    "CINISectionPage"},
    {"CNetworkCfgPage2US",     Back,   "express US",                            "CBandwidthPage"},
    {"CNetworkCfgPage2US",     Back,   "US",                                    "CNetworkCfgPage1"},
    {"CNetworkCfgPage2US",     Back,   "express model=8",                       "CINISectionPage"},
    {"CNetworkCfgPage2US",     Back,   "express model=6",                       "CBandwidthPage"},
    {"CNetworkCfgPage2US",     Back,   "",                                      "CNetworkCfgPage1"},

    {"CNetworkCfgPage2Europe", Next,   "express",                               "CDataProtocolPage"},
    {"CNetworkCfgPage2Europe", Next,   "",                                      "CCallCtrlCfgPage"},
    {"CNetworkCfgPage2Europe", Next,   "express model=9",                       "CDataProtocolPage"},
    {"CNetworkCfgPage2Europe", Back,   "express model=8",                       "CINISectionPage"},
    {"CNetworkCfgPage2Europe", Back,   "express",                               "CBandwidthPage"},
    {"CNetworkCfgPage2Europe", Back,   "",                                      "CNetworkCfgPage1"},
    {"CNetworkCfgPage2Europe", Back,   "express model=7",                       "CINISectionPage"},
    {"CNetworkCfgPage2Europe", Back,   "express model=4",                       "CBandwidthPage"},

    {"CCallCtrlCfgPage",       Next,   "US TEIs-off",                           "CDataProtocolPage"},
    {"CCallCtrlCfgPage",       Next,   "",                                      "CDataProtocolPage"},
    {"CCallCtrlCfgPage",       Back,   "US TEIs-off",                           "CNetworkCfgPage1"},
    {"CCallCtrlCfgPage",       Back,   "US",                                    "CNetworkCfgPage2US"},
    {"CCallCtrlCfgPage",       Back,   "",                                      "CNetworkCfgPage2Europe"},
    {"CCallCtrlCfgPage",       Back,   "US TEI-flag",                           "CNetworkCfgPage1"},

    {"CDataProtocolPage",      Next,   "express",                               "CLoadCfgPage"},
    {"CDataProtocolPage",      Next,   "express modified",                      "CSaveCfgPage"},
    {"CDataProtocolPage",      Next,   "modified",                              "CStoredNumbersPage"},
    {"CDataProtocolPage",      Back,   "express model=8 US TEIs-off",           "CINISectionPage"},
    {"CDataProtocolPage",      Back,   "express US TEIs-off",                   "CBandwidthPage"},
    {"CDataProtocolPage",      Back,   "express US",                            "CNetworkCfgPage2US"},
    {"CDataProtocolPage",      Back,   "express model=8",                       "CNetworkCfgPage2Europe"},
    {"CDataProtocolPage",      Back,   "US TEIs-off",                           "CCallCtrlCfgPage"},

    {"CStoredNumbersPage",     Next,   "",                                      "CPortCtrlCfgPage1"},
    {"CStoredNumbersPage",     Back,   "express",                               "CDataProtocolPage"},

    {"CPortCtrlCfgPage1",      Next,   "",                                      "CPortCtrlCfgPage2"},
    {"CPortCtrlCfgPage1",      Back,   "",                                      "CStoredNumbersPage"},

    {"CPortCtrlCfgPage2",      Next,   "model=8",                               "CSaveCfgPage"},
    {"CPortCtrlCfgPage2",      Next,   "modified",                              "CPOTSPortPage"},
    {"CPortCtrlCfgPage2",      Back,   "model=8",                               "CPortCtrlCfgPage1"},

    {"CPOTSPortPage",          Next,   "",                                      "CLoadCfgPage"},
    {"CPOTSPortPage",          Next,   "modified",                              "CSaveCfgPage"},
    {"CPOTSPortPage",          Back,   "",                                      "CPortCtrlCfgPage2"},

    {"CSaveCfgPage",           Next,   "modified",                              "CLoadCfgPage"},
    {"CSaveCfgPage",           Back,   "express model=8 modified",              "CDataProtocolPage"},
    {"CSaveCfgPage",           Back,   "model=8 modified",                      "CPortCtrlCfgPage2"},
    {"CSaveCfgPage",           Back,   "modified",                              "CPOTSPortPage"},

    {"CLoadCfgPage",           Next,   "",                                      "CConfigingPage"},
    {"CLoadCfgPage",           Back,   "express modified",                      "CSaveCfgPage"},
    {"CLoadCfgPage",           Back,   "modified",                              "CSaveCfgPage"},
    {"CLoadCfgPage",           Back,   "express",                               "CDataProtocolPage"},
    {"CLoadCfgPage",           Back,   "",                                      "CPOTSPortPage"},
    {"CLoadCfgPage",           Back,   "model=8",                               "CPOTSPortPage"},

    {"CConfigingPage",         Wait,   "",                                      "CConfigSuccessPage"},
    {"CConfigingPage",         Wait,   "no-adapter",                            "CConfigErrorPage"},

    {"CConfigSuccessPage",     Finish, "",                                      "(closed)"},
    {"CConfigErrorPage",       Finish, "",                                      "(closed)"},
    {"CConfigTimeoutPage",     Finish, "",                                      "(closed)"},
};
// clang-format on

const char* const kPresses[] = {"Next", "Back", "Finish", "Wait"};

// How a failing row is named in the test's output.
void PrintTo(const Route& row, std::ostream* out)
{
    *out << row.page << " " << kPresses[static_cast<int>(row.press)] << " [" << row.conditions
         << "] -> " << row.target;
}

// The row's test name: "CNetworkCfgPage1_Next_US_TEIsOff".
std::string RowName(const testing::TestParamInfo<Route>& info)
{
    const Route& row = info.param;
    std::string name = std::string(row.page) + "_" + kPresses[static_cast<int>(row.press)];
    std::istringstream words(row.conditions);
    for (std::string word; words >> word;)
    {
        name += "_";
        bool wordStart = true;
        for (char c : word)
        {
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += wordStart ? static_cast<char>(std::toupper(c)) : c;
            wordStart = c == '-';
        }
    }
    return name;
}

class RouteTable : public WithAdapters<NetworkPagesTest>, public testing::WithParamInterface<Route>
{
protected:
    // The pages whose rows talk to the adapter: identification, and the download that the load
    // page starts and the configuring page waits for.
    static bool UsesTheLine(const std::string& page)
    {
        return page == "CPortPage" || page == "CIDingPage" || page == "CLoadCfgPage" ||
               page == "CConfigingPage";
    }

    // The state the row's conditions stand for, as the pages before would have left it: the
    // adapter taken and the catalogue built for it, one stored configuration that the setup type
    // page lists (its switch type and TEIs as the conditions say), the same values on the pages,
    // the sheet's flags and the modified flag.
    void Arrange(const std::string& page, const Conditions& is)
    {
        static const std::map<int, const char*> presets = {{3, "KESTRAST/13"},
                                                           {8, "ZOBRA-2S without V.110"}};
        if (is.adapter && UsesTheLine(page))
            AttachAdapter(1, presets.at(is.model));
        const std::string tei = is.teisOff ? "Disabled" : "Auto TEI";
        const std::string switchType = is.us ? "NI - 1" : "NET3";
        WriteProfile("[Stored]\nNetworkSwitchType=" + switchType + "\nDataTEI=" + tei +
                     "\nVoiceTEI=" + tei + "\n");
        TakeModel(is.model); // no section is named "": every value its default
        sheet.m_networkSwitchTypePage.m_strSwitchType = switchType;
        sheet.m_networkCfgPage1.m_strDataTEI = is.dataTEI.value_or(tei);
        sheet.m_networkCfgPage1.m_strVoiceTEI = is.voiceTEI.value_or(tei);
        sheet.m_networkCfgPage2US.m_strDataSPID = "1";
        sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        sheet.m_iniSectionPage.m_strConfigName = "Edited";
        sheet.m_welcomePage.m_bSearch = is.search;
        sheet.m_bExpressSetup = is.express;
        sheet.m_bUSSwitchType = is.us;
        sheet.m_bTEIDisabled = is.teisOff || is.teiFlag;
        g_bCfgModified = is.modified;
    }

    // Starts on the row's page. The configuring page is only ever reached from the load page,
    // whose Next starts the download it waits for.
    void StartOnRowPage(const std::string& page)
    {
        const bool configuring = page == "CConfigingPage";
        StartOn(configuring ? sheet.m_loadCfgPage : PageNamed(page));
        if (configuring)
        {
            ASSERT_TRUE(wizard.Next());
        }
        ASSERT_EQ(Where(), page);
    }

    // What the user does on the row's page before pressing, where the page asks for it.
    void Prepare(const std::string& page, const Conditions& is)
    {
        bool done = true;
        if (page == "CWelcomePage")
            done = wizard.Click(is.search ? IDC_SEARCH_YES : IDC_SEARCH_NO);
        else if (page == "CPortPage")
            done = wizard.Select(IDC_PORT, 0);
        else if (page == "CIDingPage")
            FinishSearch(is.selectRow);
        else if (page == "CINISectionPage")
            done = wizard.SelectText(IDC_SETUP_TYPE,
                                     is.express ? "Express (Existing)" : "Custom (Existing)");
        ASSERT_TRUE(done);
    }

    // Lets the search started by the page's first showing end, then leaves the first row
    // selected or no row at all.
    void FinishSearch(bool selectRow)
    {
        ASSERT_TRUE(WaitForWorkers(30000));
        host.AdvanceTime(1000);
        ASSERT_EQ(UsableButtons(), "Back,Next,Cancel");
        if (!selectRow)
            sheet.m_idingPage.m_listDevices.SetItemState(0, 0, LVIS_SELECTED);
    }

    void PressOn(const Route& row)
    {
        if (*row.message != '\0')
            host.QueueAnswer(IDOK);
        bool pressed = true;
        switch (row.press)
        {
        case Press::Next:
            pressed = wizard.Next();
            break;
        case Press::Back:
            pressed = wizard.Back();
            break;
        case Press::Finish:
            pressed = wizard.Finish();
            break;
        case Press::Wait:
            pressed = WaitForWorkers(60000);
            host.AdvanceTime(1000);
            break;
        }
        ASSERT_TRUE(pressed);
    }

    std::string Where() const { return wizard.IsOpen() ? ActivePageName() : "(closed)"; }

    static const char* ButtonsOnArrival(const std::string& page)
    {
        const auto* row = std::find_if(std::begin(kPages), std::end(kPages),
                                       [&page](const PageRow& p) { return p.className == page; });
        return row != std::end(kPages) ? row->buttonsOnArrival : "(not a page)";
    }
};

TEST_P(RouteTable, ShowsThePagesButtons_AndLeadsWhereTheConditionsSay)
{
    const Route& row = GetParam();
    const Conditions is = Parse(row.conditions);
    ASSERT_NO_FATAL_FAILURE(Arrange(row.page, is));
    ASSERT_NO_FATAL_FAILURE(StartOnRowPage(row.page));
    EXPECT_EQ(UsableButtons(), ButtonsOnArrival(row.page));
    ASSERT_NO_FATAL_FAILURE(Prepare(row.page, is));
    ASSERT_NO_FATAL_FAILURE(PressOn(row));
    EXPECT_EQ(Where(), row.target);
    EXPECT_EQ(LastMessage(), row.message);
    if (std::string(row.page) == "CNetworkCfgPage1" && row.press == Press::Next)
    {
        // Leaving the TEI page forward records whether both TEIs are off.
        EXPECT_EQ(sheet.m_bTEIDisabled != FALSE, std::string(row.target) == "CCallCtrlCfgPage");
    }
    EXPECT_TRUE(WaitForWorkers(30000)) << "a worker still runs";
}

INSTANTIATE_TEST_SUITE_P(Routes, RouteTable, testing::ValuesIn(kRoutes), RowName);

// The walks through several pages that the routes are known for, each from a real start.
class RouteWalks : public AdapterWizardTest
{
protected:
    // The wizard from its first page, on an adapter of this preset on COM1, with this profile.
    void StartWizard(const std::string& preset, const std::string& profile)
    {
        AttachAdapter(1, preset);
        WriteProfile(profile);
        ASSERT_TRUE(wizard.Start());
    }

    // Welcome "No", the COM port page on COM1: the setup type page, with the adapter identified
    // and its catalogue built.
    void ToSetupTypeByPort()
    {
        ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO));
        ASSERT_TRUE(wizard.Next());
        ASSERT_TRUE(wizard.Select(IDC_PORT, 0));
        ASSERT_TRUE(wizard.Next());
        ASSERT_EQ(ActivePageName(), "CINISectionPage");
    }

    // Presses Next (or Back) and tells where the wizard went.
    std::string Next()
    {
        EXPECT_TRUE(wizard.Next());
        return ActivePageName();
    }
    std::string Back()
    {
        EXPECT_TRUE(wizard.Back());
        return ActivePageName();
    }
};

const char* const kUsProfile = "[Stored]\nNetworkSwitchType=ni - 1\nDataTEI=Auto TEI\n"
                               "VoiceTEI=Auto TEI\nDataSPID=0123\nVoiceSPID=4567\n";

TEST_F(RouteWalks, BackFromTheSetupTypePageReturnsToThePortPage_AfterWelcomeNo)
{
    StartWizard("KESTRAST/13", kUsProfile);
    ToSetupTypeByPort();
    EXPECT_EQ(Back(), "CPortPage");
    EXPECT_EQ(Back(), "CWelcomePage");
}

TEST_F(RouteWalks, ASecondYesShowsTheFirstSearchAtOnce_WithoutSearchingAgain)
{
    StartWizard("PELLOR-S", kUsProfile);
    EXPECT_EQ(Next(), "CIDingPage");
    ASSERT_TRUE(WaitForWorkers(30000));
    host.AdvanceTime(1000);
    ASSERT_EQ(UsableButtons(), "Back,Next,Cancel");
    const std::vector<DeviceRecord*> found = theApp.m_devices;
    ASSERT_EQ(found.size(), 1u);

    EXPECT_EQ(Back(), "CWelcomePage");
    EXPECT_EQ(Next(), "CIDingPage");
    EXPECT_EQ(UsableButtons(), "Back,Next,Cancel");
    EXPECT_EQ(theApp.m_devices, found);
    EXPECT_EQ(sheet.m_idingPage.m_listDevices.GetItemCount(), 1);
    EXPECT_EQ(Next(), "CINISectionPage");
}

// The stored switch type "ni - 1" counts as North American; nothing is changed on the way, so
// nothing is saved.
TEST_F(RouteWalks, ExpressRunOnAnUnmodifiedUSConfiguration_GoesFromBandwidthToTheLoadPage)
{
    StartWizard("KESTRAST/13", kUsProfile);
    ToSetupTypeByPort();
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Express (Existing)"));
    EXPECT_EQ(Next(), "CBandwidthPage");
    EXPECT_EQ(Next(), "CNetworkCfgPage2US");
    EXPECT_EQ(Next(), "CDataProtocolPage");
    EXPECT_EQ(Next(), "CLoadCfgPage");
    EXPECT_EQ(Back(), "CDataProtocolPage");
}

TEST_F(RouteWalks, BothTEIsDisabledInACustomSetup_SkipTheNumbersPagesBothWays)
{
    StartWizard("KESTRAST/13", kUsProfile);
    ToSetupTypeByPort();
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Custom (Existing)"));
    EXPECT_EQ(Next(), "CNetworkSwitchType");
    EXPECT_EQ(Next(), "CBandwidthPage");
    EXPECT_EQ(Next(), "CNetworkCfgPage1");
    ASSERT_TRUE(wizard.SelectText(IDC_DATA_TEI, "Disabled"));
    ASSERT_TRUE(wizard.SelectText(IDC_VOICE_TEI, "Disabled"));
    EXPECT_EQ(Next(), "CCallCtrlCfgPage");
    EXPECT_TRUE(sheet.m_bTEIDisabled);
    EXPECT_EQ(Back(), "CNetworkCfgPage1");
}

// A ZOBRA-2S (model 8) has neither bandwidth nor POTS port page; the save page follows the serial
// format page even when nothing was changed. Back from the load page still leads to the POTS
// port page.
TEST_F(RouteWalks, CustomRunForModelEight_SkipsBandwidthAndPots_AndSavesEvenUnmodified)
{
    StartWizard("ZOBRA-2S without V.110",
                "[Stored]\nNetworkSwitchType=NET3\nDataTEI=Auto TEI\nVoiceTEI=Auto TEI\n");
    ToSetupTypeByPort();
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Custom (Existing)"));
    EXPECT_EQ(Next(), "CNetworkSwitchType");
    EXPECT_EQ(Next(), "CNetworkCfgPage1");
    EXPECT_EQ(Next(), "CNetworkCfgPage2Europe");
    EXPECT_EQ(Next(), "CCallCtrlCfgPage");
    EXPECT_EQ(Next(), "CDataProtocolPage");
    EXPECT_EQ(Next(), "CStoredNumbersPage");
    EXPECT_EQ(Next(), "CPortCtrlCfgPage1");
    EXPECT_EQ(Next(), "CPortCtrlCfgPage2");
    EXPECT_FALSE(g_bCfgModified);
    EXPECT_EQ(Next(), "CSaveCfgPage");
    EXPECT_EQ(Next(), "CLoadCfgPage");
    EXPECT_EQ(Back(), "CPOTSPortPage");
    EXPECT_EQ(Back(), "CPortCtrlCfgPage2");
    EXPECT_EQ(Back(), "CPortCtrlCfgPage1");
}

TEST_F(RouteWalks, ExpressWithoutAnyConfiguration_AsksForOneAndStays)
{
    StartWizard("KESTRAST/13", "[Default Configs]\nPort=0\n");
    ToSetupTypeByPort();
    ASSERT_TRUE(wizard.SelectText(IDC_SETUP_TYPE, "Express (Existing)"));
    host.QueueAnswer(IDOK);
    EXPECT_EQ(Next(), "CINISectionPage");
    EXPECT_EQ(LastMessage(), "You must select a configuration file.");
    EXPECT_FALSE(sheet.m_bExpressSetup);
}
} // namespace
