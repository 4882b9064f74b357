#include "platform/Clock.h"
#include "src/download/Download.h"
#include "src/identify/DeviceTable.h"
#include "tests/support/PortHolder.h"
#include "tests/support/WizardAdapters.h"
#include "tests/support/WorkedExample.h"

using wizard_testing::AdapterWizardTest;

namespace
{
// The load page, the configuring page and the three outcome pages.
class DownloadPages : public AdapterWizardTest
{
protected:
    // The configuration of the worked packing example: model 3, defaults, two MSNs, the European
    // numbers page's route and auto answer with one ring.
    void PrepareWorkedExample()
    {
        TakeAdapter(3, 13, 1);
        theParams.LoadAll();
        sheet.m_networkCfgPage2Europe.m_strDataMSN = "1234";
        sheet.m_networkCfgPage2Europe.m_strVoiceMSN = "5678";
        for (int controlId : {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2,
                              IDC_VOICE_DN, IDC_AUTO_ANSWER})
            theParams.FindParam(controlId)->m_bEnabled = FALSE;
        for (int n = 0; n < 10; ++n)
            theParams.FindParam(IDC_STORED_NUMBER_0 + n)->m_bEnabled = FALSE;
    }

    // Presses Next on the load page and lets the download run to its end.
    void DownloadFromLoadPage()
    {
        StartOn(sheet.m_loadCfgPage);
        EXPECT_EQ(UsableButtons(), "Back,Next,Cancel");
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_configingPage);
        EXPECT_EQ(UsableButtons(), "DisabledFinish,Cancel");
        EXPECT_EQ(wizard.Control(IDC_CONFIGURING_STATUS)->GetWindowText(),
                  AfxLoadString(IDS_CONFIGURING));
        ASSERT_TRUE(WaitForWorkers(30000));
        host.AdvanceTime(1000);
    }

    static std::vector<std::string> WithoutLineEnds(std::vector<std::string> lines)
    {
        for (std::string& line : lines)
            line.erase(line.find_last_not_of("\r\n") + 1);
        return lines;
    }
};

TEST_F(DownloadPages, LoadNext_SendsTheNineLines_ThenSuccessEndsWithFinishOnly)
{
    sim::Adapter& adapter = AttachAdapter(1, "KESTRAST/13");
    PrepareWorkedExample();
    DownloadFromLoadPage();

    const std::vector<std::string>& nine = kWorkedExampleLines;
    EXPECT_EQ(theApp.m_device.cmdLines, nine);
    EXPECT_EQ(adapter.ReceivedLines(), WithoutLineEnds(nine));
    EXPECT_EQ(theApp.m_device.result.load(), kDownloadOK);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configSuccessPage);
    EXPECT_EQ(sheet.m_configSuccessPage.m_strMessage, AfxLoadString(IDS_CONFIGURED));
    EXPECT_EQ(UsableButtons(), "Finish") << "no Back to a second download, no Cancel";
    EXPECT_FALSE(host.HasTimer(sheet.m_configingPage, sheet.m_configingPage.m_nTimerID));

    ASSERT_TRUE(wizard.Finish());
    EXPECT_FALSE(wizard.IsOpen());
    EXPECT_EQ(wizard.Result(), IDOK);
}

TEST_F(DownloadPages, LineTheAdapterRefuses_LeadsToTheErrorPageAtOnce_NamingTheLineInTheLog)
{
    sim::Faults refuseThird;
    refuseThird.errorOnLine = 3;
    sim::Adapter& adapter = AttachAdapter(1, "KESTRAST/13", refuseThird);
    PrepareWorkedExample();
    DownloadFromLoadPage();

    EXPECT_EQ(adapter.ReceivedLines().size(), 3u) << "the lines after the refused one stay unsent";
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configErrorPage);
    EXPECT_EQ(sheet.m_configErrorPage.m_strMessage, AfxLoadString(IDS_SEND_ERROR));
    EXPECT_EQ(wizard.Control(IDC_ERROR_DETAILS)->GetWindowText(),
              "Failed at command line 3 of 9: AT%A97=0S0=1S50=1S30=0!Z=5\r\nLog of this run: " +
                  log_Path());
    EXPECT_TRUE(wizard.Control(IDC_ERROR_DETAILS)->IsWindowVisible());
    EXPECT_EQ(UsableButtons(), "Finish");
    log_Close();
    EXPECT_NE(
        ReadLog().find("]: <COM1>  Got ERROR for Config String: AT%A97=0S0=1S50=1S30=0!Z=5\r\n"),
        std::string::npos)
        << ReadLog();
}

TEST_F(DownloadPages, PortAnotherProgramTookAfterTheSearch_EndsOnTheErrorPage_NamingTheHolder)
{
    AttachSilentPort(1);
    const std::string device = std::filesystem::read_symlink(PortLink(1)).string();
    const testing_support::PortHolder holder(device);
    PrepareWorkedExample();
    DownloadFromLoadPage();

    EXPECT_EQ(theApp.m_device.result.load(), kDownloadPortError);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configErrorPage);
    EXPECT_EQ(sheet.m_configErrorPage.m_strMessage, AfxLoadString(IDS_SEND_ERROR));
    EXPECT_EQ(sheet.m_configErrorPage.m_strDetails,
              "COM1: " + device + " (" + PortLink(1) +
                  "): Device or resource busy (held with flock by " + holder.Described() +
                  ")\r\nLog of this run: " + log_Path());
}

TEST_F(DownloadPages, CancelWhileConfiguring_ClosesAtOnce_AndTheWorkerStillSendsEveryLine)
{
    sim::Adapter& adapter = AttachAdapter(1, "KESTRAST/13");
    PrepareWorkedExample();
    StartOn(sheet.m_loadCfgPage);
    ASSERT_TRUE(wizard.Next());
    const std::vector<std::string> packed = theApp.m_device.cmdLines;
    ASSERT_TRUE(wizard.Cancel());
    EXPECT_FALSE(wizard.IsOpen());
    EXPECT_EQ(wizard.Result(), IDCANCEL);
    // What the program's exit does to the adapter's record while the worker runs.
    theApp.m_device.cmdLines.clear();
    theApp.m_device.cmdLines.shrink_to_fit();

    ASSERT_TRUE(WaitForWorkers(30000));
    EXPECT_EQ(theApp.m_device.result.load(), kDownloadOK);
    EXPECT_EQ(adapter.ReceivedLines(), WithoutLineEnds(packed));
}

TEST_F(DownloadPages, EachResult_ShowsItsOutcomePageAndText_WithFinishOnlyAndCancelDisabled)
{
    const struct
    {
        int result;
        int modelCode;
        int extModelCode;
        UINT outcomePage; // template id
        int messageControl;
        UINT text;
        int detailsControl; // 0: none
        const char* reason; // the details before the log's place
    } rows[] = {
        {kDownloadOK, 3, 13, CConfigSuccessPage::IDD, IDC_SUCCESS_MESSAGE, IDS_CONFIGURED, 0, ""},
        {kDownloadSendError, 3, 13, CConfigErrorPage::IDD, IDC_ERROR_MESSAGE, IDS_SEND_ERROR,
         IDC_ERROR_DETAILS, "Failed at command line 2 of 3: ATS0=1\r\n"},
        {kDownloadNoOK, 3, 13, CConfigTimeoutPage::IDD, IDC_TIMEOUT_MESSAGE, IDS_TIMED_OUT,
         IDC_TIMEOUT_DETAILS, "No answer to command line 2 of 3: ATS0=1\r\n"},
        // No failure of the port is known: the details give only the log's place.
        {kDownloadPortError, 3, 13, CConfigErrorPage::IDD, IDC_ERROR_MESSAGE, IDS_SEND_ERROR,
         IDC_ERROR_DETAILS, ""},
        // An adapter of unknown model or extended model is told to check its connection.
        {kDownloadNoOK, devid_kUnknown, 13, CConfigTimeoutPage::IDD, IDC_TIMEOUT_MESSAGE,
         IDS_NOT_FOUND, IDC_TIMEOUT_DETAILS, "No answer to command line 2 of 3: ATS0=1\r\n"},
        {kDownloadSendError, 3, devid_kUnknown, CConfigErrorPage::IDD, IDC_ERROR_MESSAGE,
         IDS_NOT_FOUND, IDC_ERROR_DETAILS, "Failed at command line 2 of 3: ATS0=1\r\n"},
        {kDownloadPortError, devid_kUnknown, devid_kUnknown, CConfigErrorPage::IDD,
         IDC_ERROR_MESSAGE, IDS_NOT_FOUND, IDC_ERROR_DETAILS, ""},
        {kDownloadOK, devid_kUnknown, devid_kUnknown, CConfigSuccessPage::IDD, IDC_SUCCESS_MESSAGE,
         IDS_CONFIGURED, 0, ""},
    };
    theApp.m_device.cmdLines = {"AT&F\r", "ATS0=1\r", "AT&W\r"};
    for (const auto& row : rows)
    {
        SCOPED_TRACE("result " + std::to_string(row.result) + ", model " +
                     std::to_string(row.modelCode) + "/" + std::to_string(row.extModelCode));
        CCfgSheet run("test");
        SheetController driver(run);
        theApp.m_device.modelCode = row.modelCode;
        theApp.m_device.extModelCode = row.extModelCode;
        theApp.m_device.result.store(-1); // as if a worker were still sending
        run.SetActivePage(&run.m_configingPage);
        ASSERT_TRUE(driver.Start());
        host.AdvanceTime(3000);
        EXPECT_EQ(driver.ActivePage(), &run.m_configingPage);

        theApp.m_device.status.store(1);          // the first line acknowledged
        theApp.m_device.result.store(row.result); // the worker ends between two ticks
        host.AdvanceTime(1000);
        ASSERT_EQ(driver.ActivePage()->GetTemplateId(), row.outcomePage);
        EXPECT_EQ(driver.Control(row.messageControl)->GetWindowText(), AfxLoadString(row.text));
        if (row.detailsControl != 0)
        {
            EXPECT_EQ(driver.Control(row.detailsControl)->GetWindowText(),
                      row.reason + ("Log of this run: " + log_Path()));
        }
        EXPECT_EQ(UsableButtons(run), "Finish");
        EXPECT_FALSE(host.HasTimer(run.m_configingPage, run.m_configingPage.m_nTimerID));
        run.DestroyWindow();
    }
}

TEST_F(DownloadPages, WorkerThatNeverEnds_GivesUpAtThe51stTick_WithNotFoundAndFinishOnly)
{
    theApp.m_device.result.store(-1);
    StartOn(sheet.m_configingPage);
    host.AdvanceTime(50000);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configingPage);
    EXPECT_EQ(UsableButtons(), "DisabledFinish,Cancel");
    EXPECT_EQ(wizard.Control(IDC_CONFIGURING_STATUS)->GetWindowText(),
              AfxLoadString(IDS_CONFIGURING));

    host.AdvanceTime(1000);
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configingPage);
    EXPECT_EQ(wizard.Control(IDC_CONFIGURING_STATUS)->GetWindowText(),
              AfxLoadString(IDS_NOT_FOUND));
    EXPECT_EQ(UsableButtons(), "Finish,Cancel");
    EXPECT_FALSE(host.HasTimer(sheet.m_configingPage, sheet.m_configingPage.m_nTimerID));
}

// An adapter that answers every line, but slowly, keeps the worker past 51 s with enough lines: the
// page waits for it as long as the worker may take, and the configuration is stored. The page and
// the worker run on the one program clock here (twenty times as fast as real time).
TEST_F(DownloadPages, SlowAdapterWithManyLines_ReachesTheSuccessPage_AfterTheShortestLimit)
{
    sim::Faults slow;
    slow.replyDelayMs = 1900;
    sim::Adapter& adapter = AttachAdapter(1, "KESTRAST/13", slow);
    TakeAdapter(3, 13, 1);
    for (int line = 0; line < 21; ++line)
        theApp.m_device.cmdLines.push_back("ATS30=" + std::to_string(line) + "\r");
    theApp.m_device.cmdLines.push_back("AT&W0\r\n");
    host.SetClockMode(HeadlessHost::ClockMode::RealTime);
    ASSERT_TRUE(StartDownloadWorker(&theApp.m_device));
    const auto start = platform::ProgramClock::now();
    StartOn(sheet.m_configingPage);
    CConfigingPage& page = sheet.m_configingPage;
    ASSERT_TRUE(host.WaitUntil([&] { return !host.HasTimer(page, page.m_nTimerID); }, 300000));

    EXPECT_EQ(wizard.ActivePage(), &sheet.m_configSuccessPage);
    // On the program clock: a busy machine (or a sanitizer) makes ticks late, never time.
    EXPECT_GT(platform::ProgramClock::now() - start, std::chrono::seconds(51))
        << "no longer than before";
    ASSERT_EQ(adapter.ReceivedLines().size(), 22u);
    EXPECT_EQ(adapter.ReceivedLines().back(), "AT&W0");
}

TEST_F(DownloadPages, LoadBack_GoesToSaveWhenModified_OtherwiseToDataProtocolOrPotsPort)
{
    const struct
    {
        BOOL modified;
        BOOL express;
        int modelCode;
        int extModelCode;
        UINT target; // template id
    } rows[] = {
        {TRUE, FALSE, 3, 13, CSaveCfgPage::IDD},      {TRUE, TRUE, 3, 13, CSaveCfgPage::IDD},
        {FALSE, TRUE, 3, 13, CDataProtocolPage::IDD}, {FALSE, FALSE, 3, 13, CPOTSPortPage::IDD},
        {FALSE, FALSE, 8, 22, CPOTSPortPage::IDD}, // model 8 as well
    };
    for (const auto& row : rows)
    {
        CCfgSheet run("test");
        SheetController driver(run);
        theApp.m_device.modelCode = row.modelCode;
        theApp.m_device.extModelCode = row.extModelCode;
        run.BuildCatalogue();
        g_bCfgModified = row.modified;
        run.m_bExpressSetup = row.express;
        run.SetActivePage(&run.m_loadCfgPage);
        ASSERT_TRUE(driver.Start());
        ASSERT_TRUE(driver.Back());
        EXPECT_EQ(driver.ActivePage()->GetTemplateId(), row.target)
            << "modified " << row.modified << ", express " << row.express << ", model "
            << row.modelCode;
        EXPECT_TRUE(theApp.m_device.cmdLines.empty()) << "nothing packed";
        run.DestroyWindow();
    }
    theParams.RemoveAll();
}
} // namespace
