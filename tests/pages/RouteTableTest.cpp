// The wizard's routes as a whole: every page, its buttons on arrival, where Next and Back lead
// under each condition that decides it, and the walks through several pages that the routes
// are known for.
#include "tests/support/PageList.h"
#include "tests/support/WizardTest.h"

#include <filesystem>
#include <sstream>
#include <string>

using wizard_testing::WizardTest;

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
//   express      the setup type is "Express (Existing)" (else a custom setup)
//   model-7-9    the adapter is a ZOBRA-2S, model 8 (else a KESTRAST, model 3)
//   US           the switch type is North American, "NI - 1" (else "NET3")
//   TEIs-off     both TEIs are "Disabled" (else "Auto TEI")
//   modified     the configuration was changed since it was opened
//   no-search    the welcome page's choice was "No" (else "Yes")
//   no-adapter   nothing answers on COM1 (else the adapter does)
//   no-row       no row of the search page's list is selected (else the first is)
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
    bool zobra = false;
    bool us = false;
    bool teisOff = false;
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
        if (word == "express")
            conditions.express = true;
        else if (word == "model-7-9")
            conditions.zobra = true;
        else if (word == "US")
            conditions.us = true;
        else if (word == "TEIs-off")
            conditions.teisOff = true;
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
    {"CWelcomePage",           Next,   "",                                "CIDingPage"},
    {"CWelcomePage",           Next,   "no-search",                       "CPortPage"},

    {"CPortPage",              Next,   "",                                "CINISectionPage"},
    {"CPortPage",              Next,   "no-adapter",                      "CPortPage", "Error invalid device."},
    {"CPortPage",              Back,   "",                                "CWelcomePage"},

    {"CIDingPage",             Next,   "",                                "CINISectionPage"},
    {"CIDingPage",             Next,   "no-row",                          "CIDingPage", "ERROR: You must select one device to configure."},
    {"CIDingPage",             Back,   "",                                "CWelcomePage"},

    {"CINISectionPage",        Next,   "",                                "CNetworkSwitchType"},
    {"CINISectionPage",        Next,   "model-7-9",                       "CNetworkSwitchType"},
    {"CINISectionPage",        Next,   "express US TEIs-off",             "CBandwidthPage"},
    {"CINISectionPage",        Next,   "express model-7-9 US TEIs-off",   "CDataProtocolPage"},
    {"CINISectionPage",        Next,   "express model-7-9 US",            "CNetworkCfgPage2US"},
    {"CINISectionPage",        Next,   "express model-7-9",               "CNetworkCfgPage2Europe"},
    {"CINISectionPage",        Back,   "no-search",                       "CPortPage"},
    {"CINISectionPage",        Back,   "",                                "CIDingPage"},

    {"CNetworkSwitchType",     Next,   "",                                "CBandwidthPage"},
    {"CNetworkSwitchType",     Next,   "model-7-9",                       "CNetworkCfgPage1"},
    {"CNetworkSwitchType",     Back,   "",                                "CINISectionPage"},

    {"CBandwidthPage",         Next,   "US TEIs-off",                     "CNetworkCfgPage1"},
    {"CBandwidthPage",         Next,   "express US TEIs-off",             "CDataProtocolPage"},
    {"CBandwidthPage",         Next,   "express US",                      "CNetworkCfgPage2US"},
    {"CBandwidthPage",         Next,   "express",                         "CNetworkCfgPage2Europe"},
    {"CBandwidthPage",         Back,   "express",                         "CINISectionPage"},
    {"CBandwidthPage",         Back,   "",                                "CNetworkSwitchType"},

    {"CNetworkCfgPage1",       Next,   "US TEIs-off",                     "CCallCtrlCfgPage"},
    {"CNetworkCfgPage1",       Next,   "US",                              "CNetworkCfgPage2US"},
    {"CNetworkCfgPage1",       Next,   "",                                "CNetworkCfgPage2Europe"},
    {"CNetworkCfgPage1",       Back,   "model-7-9",                       "CNetworkSwitchType"},
    {"CNetworkCfgPage1",       Back,   "",                                "CBandwidthPage"},

    {"CNetworkCfgPage2US",     Next,   "express US",                      "CDataProtocolPage"},
    {"CNetworkCfgPage2US",     Next,   "US",                              "CCallCtrlCfgPage"},
    {"CNetworkCfgPage2US",     Back,   "express model-7-9 US",            "CINISectionPage"},
    {"CNetworkCfgPage2US",     Back,   "express US",                      "CBandwidthPage"},
    {"CNetworkCfgPage2US",     Back,   "US",                              "CNetworkCfgPage1"},

    {"CNetworkCfgPage2Europe", Next,   "express",                         "CDataProtocolPage"},
    {"CNetworkCfgPage2Europe", Next,   "",                                "CCallCtrlCfgPage"},
    {"CNetworkCfgPage2Europe", Back,   "express model-7-9",               "CINISectionPage"},
    {"CNetworkCfgPage2Europe", Back,   "express",                         "CBandwidthPage"},
    {"CNetworkCfgPage2Europe", Back,   "",                                "CNetworkCfgPage1"},

    {"CCallCtrlCfgPage",       Next,   "US TEIs-off",                     "CDataProtocolPage"},
    {"CCallCtrlCfgPage",       Back,   "US TEIs-off",                     "CNetworkCfgPage1"},
    {"CCallCtrlCfgPage",       Back,   "US",                              "CNetworkCfgPage2US"},
    {"CCallCtrlCfgPage",       Back,   "",                                "CNetworkCfgPage2Europe"},

    {"CDataProtocolPage",      Next,   "express",                         "CLoadCfgPage"},
    {"CDataProtocolPage",      Next,   "express modified",                "CSaveCfgPage"},
    {"CDataProtocolPage",      Next,   "modified",                        "CStoredNumbersPage"},
    {"CDataProtocolPage",      Back,   "express model-7-9 US TEIs-off",   "CINISectionPage"},
    {"CDataProtocolPage",      Back,   "express US TEIs-off",             "CBandwidthPage"},
    {"CDataProtocolPage",      Back,   "express US",                      "CNetworkCfgPage2US"},
    {"CDataProtocolPage",      Back,   "express model-7-9",               "CNetworkCfgPage2Europe"},
    {"CDataProtocolPage",      Back,   "US TEIs-off",                     "CCallCtrlCfgPage"},

    {"CStoredNumbersPage",     Next,   "",                                "CPortCtrlCfgPage1"},
    {"CStoredNumbersPage",     Back,   "express",                         "CDataProtocolPage"},

    {"CPortCtrlCfgPage1",      Next,   "",                                "CPortCtrlCfgPage2"},
    {"CPortCtrlCfgPage1",      Back,   "",                                "CStoredNumbersPage"},

    {"CPortCtrlCfgPage2",      Next,   "model-7-9",                       "CSaveCfgPage"},
    {"CPortCtrlCfgPage2",      Next,   "modified",                        "CPOTSPortPage"},
    {"CPortCtrlCfgPage2",      Back,   "model-7-9",                       "CPortCtrlCfgPage1"},

    {"CPOTSPortPage",          Next,   "",                                "CLoadCfgPage"},
    {"CPOTSPortPage",          Next,   "modified",                        "CSaveCfgPage"},
    {"CPOTSPortPage",          Back,   "",                                "CPortCtrlCfgPage2"},

    {"CSaveCfgPage",           Next,   "modified",                        "CLoadCfgPage"},
    {"CSaveCfgPage",           Back,   "express model-7-9 modified",      "CDataProtocolPage"},
    {"CSaveCfgPage",           Back,   "model-7-9 modified",              "CPortCtrlCfgPage2"},
    {"CSaveCfgPage",           Back,   "modified",                        "CPOTSPortPage"},

    {"CLoadCfgPage",           Next,   "",                                "CConfigingPage"},
    {"CLoadCfgPage",           Back,   "express modified",                "CSaveCfgPage"},
    {"CLoadCfgPage",           Back,   "modified",                        "CSaveCfgPage"},
    {"CLoadCfgPage",           Back,   "express",                         "CDataProtocolPage"},
    {"CLoadCfgPage",           Back,   "",                                "CPOTSPortPage"},
    {"CLoadCfgPage",           Back,   "model-7-9",                       "CPOTSPortPage"},

    {"CConfigingPage",         Wait,   "",                                "CConfigSuccessPage"},
    {"CConfigingPage",         Wait,   "no-adapter",                      "CConfigErrorPage"},

    {"CConfigSuccessPage",     Finish, "",                                "(closed)"},
    {"CConfigErrorPage",       Finish, "",                                "(closed)"},
    {"CConfigTimeoutPage",     Finish, "",                                "(closed)"},
};
// clang-format on

std::string Describe(const Route& row)
{
    static const char* const kPresses[] = {"Next", "Back", "Finish", "wait"};
    return std::string(row.page) + " " + kPresses[static_cast<int>(row.press)] + " [" +
           row.conditions + "] -> " + row.target;
}

// One run of the wizard per row: a sheet of its own, so that no page remembers an earlier row
// (the search page searches on its first showing only).
struct WizardRun
{
    CCfgSheet sheet{"test"};
    SheetController wizard{sheet};

    std::string Where() const
    {
        return wizard.IsOpen() ? PageClassName(*wizard.ActivePage()) : "(closed)";
    }

    CPropertyPage* PageNamed(const std::string& name) const
    {
        for (int index = 0; index < sheet.GetPageCount(); ++index)
        {
            if (PageClassName(*sheet.GetPage(index)) == name)
                return sheet.GetPage(index);
        }
        ADD_FAILURE() << "no page " << name;
        return nullptr;
    }
};

class RouteTable : public WizardTest
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
    void Arrange(WizardRun& run, const std::string& page, const Conditions& is)
    {
        std::filesystem::remove(Folder() / "dosdevices" / "com1");
        if (is.adapter && UsesTheLine(page))
            AttachAdapter(1, is.zobra ? "ZOBRA-2S without V.110" : "KESTRAST/13");
        const std::string tei = is.teisOff ? "Disabled" : "Auto TEI";
        const std::string switchType = is.us ? "NI - 1" : "NET3";
        WriteProfile("[Stored]\nNetworkSwitchType=" + switchType + "\nDataTEI=" + tei +
                     "\nVoiceTEI=" + tei + "\n");
        std::snprintf(theApp.m_device.portPath, sizeof theApp.m_device.portPath, "\\\\.\\COM1");
        theApp.m_device.modelCode = is.zobra ? 8 : 3;
        theApp.m_device.extModelCode = is.zobra ? 22 : 13;
        run.sheet.BuildCatalogue();
        theParams.LoadAll(); // no section is named "": every value its default
        run.sheet.SetWizardMode();
        run.sheet.m_networkSwitchTypePage.m_strSwitchType = switchType;
        run.sheet.m_networkCfgPage1.m_strDataTEI = tei;
        run.sheet.m_networkCfgPage1.m_strVoiceTEI = tei;
        run.sheet.m_networkCfgPage2US.m_strDataSPID = "1";
        run.sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        run.sheet.m_iniSectionPage.m_strConfigName = "Edited";
        run.sheet.m_welcomePage.m_bSearch = is.search;
        run.sheet.m_bExpressSetup = is.express;
        run.sheet.m_bUSSwitchType = is.us;
        run.sheet.m_bTEIDisabled = is.teisOff;
        g_bCfgModified = is.modified;
    }

    // Starts the run on the row's page. The configuring page is only ever reached from the load
    // page, whose Next starts the download it waits for.
    void StartOn(WizardRun& run, const std::string& page)
    {
        const bool configuring = page == "CConfigingPage";
        run.sheet.SetActivePage(configuring ? &run.sheet.m_loadCfgPage : run.PageNamed(page));
        ASSERT_TRUE(run.wizard.Start());
        if (configuring)
        {
            ASSERT_TRUE(run.wizard.Next());
        }
        ASSERT_EQ(run.Where(), page);
    }

    // What the user does on the row's page before pressing, where the page asks for it.
    void Prepare(WizardRun& run, const std::string& page, const Conditions& is)
    {
        bool done = true;
        if (page == "CWelcomePage")
            done = run.wizard.Click(is.search ? IDC_SEARCH_YES : IDC_SEARCH_NO);
        else if (page == "CPortPage")
            done = run.wizard.Select(IDC_PORT, 0);
        else if (page == "CIDingPage")
            FinishSearch(run, is.selectRow);
        else if (page == "CINISectionPage")
            done = run.wizard.SelectText(IDC_SETUP_TYPE,
                                         is.express ? "Express (Existing)" : "Custom (Existing)");
        ASSERT_TRUE(done);
    }

    // Lets the search started by the page's first showing end, then leaves the first row
    // selected or no row at all.
    void FinishSearch(WizardRun& run, bool selectRow)
    {
        ASSERT_TRUE(WaitForWorkers(30000));
        host.AdvanceTime(1000);
        ASSERT_EQ(UsableButtons(run.sheet), "Back,Next,Cancel");
        if (!selectRow)
            run.sheet.m_idingPage.m_listDevices.SetItemState(0, 0, LVIS_SELECTED);
    }

    void PressOn(WizardRun& run, const Route& row)
    {
        if (*row.message != '\0')
            host.QueueAnswer(IDOK);
        bool pressed = true;
        switch (row.press)
        {
        case Press::Next:
            pressed = run.wizard.Next();
            break;
        case Press::Back:
            pressed = run.wizard.Back();
            break;
        case Press::Finish:
            pressed = run.wizard.Finish();
            break;
        case Press::Wait:
            pressed = WaitForWorkers(60000);
            host.AdvanceTime(1000);
            break;
        }
        ASSERT_TRUE(pressed);
    }

    // What one run leaves behind that the next must not see: its window, its workers and the
    // adapters they found, its packed lines and its message boxes.
    void EndRun(WizardRun& run)
    {
        if (run.sheet.GetSafeHwnd() != nullptr)
            run.sheet.DestroyWindow();
        ASSERT_TRUE(WaitForWorkers(30000));
        for (DeviceRecord* record : theApp.m_devices)
            delete record;
        theApp.m_devices.clear();
        theApp.m_device.cmdLines.clear();
        theParams.RemoveAll();
        host.ClearMessageBoxes();
    }
};

TEST_F(RouteTable, EveryPageShowsItsButtons_AndNextAndBackLeadWhereTheConditionsSay)
{
    for (const Route& row : kRoutes)
    {
        SCOPED_TRACE(Describe(row));
        const Conditions is = Parse(row.conditions);
        WizardRun run;
        Arrange(run, row.page, is);
        StartOn(run, row.page);
        for (const PageRow& page : kPages)
        {
            if (std::string(page.className) == row.page)
            {
                EXPECT_EQ(UsableButtons(run.sheet), page.buttonsOnArrival);
            }
        }
        Prepare(run, row.page, is);
        PressOn(run, row);
        EXPECT_EQ(run.Where(), row.target);
        EXPECT_EQ(LastMessage(), row.message);
        EndRun(run);
        if (HasFatalFailure())
            return;
    }
}

// The walks through several pages that the routes are known for, each from a real start.
class RouteWalks : public WizardTest
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
