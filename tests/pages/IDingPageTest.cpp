#include "src/identify/DeviceTable.h"
#include "tests/support/PortHolder.h"
#include "tests/support/WizardAdapters.h"

#include <algorithm>
#include <optional>

using wizard_testing::AdapterWizardTest;

namespace
{
const int kPotsAndBandwidthControls[] = {
    IDC_RING_FREQUENCY,        IDC_DIAL_TONE,          IDC_DIAL_TONE_GAIN,
    IDC_DIAL_TONE_SUPPRESSION, IDC_RING_SIGNAL,        IDC_PULSE_RECOGNITION,
    IDC_BANDWIDTH_SCHEME,      IDC_BOD_HIGH_THRESHOLD, IDC_BOD_HIGH_THROUGHPUT,
    IDC_BOD_LOW_THRESHOLD,     IDC_BOD_LOW_THROUGHPUT, IDC_CALL_BUMPING};

// The search page, reached as the user reaches it: "Yes" on the welcome page.
class IDingPage : public AdapterWizardTest
{
protected:
    CIDingPage& page = sheet.m_idingPage;

    // "Yes" on the welcome page, as the user reaches the search.
    void SearchFromTheWelcomePage()
    {
        StartOn(sheet.m_welcomePage);
        ASSERT_TRUE(wizard.Check(IDC_SEARCH_YES, BST_CHECKED));
        ASSERT_TRUE(wizard.Next());
        ASSERT_EQ(wizard.ActivePage(), &page);
    }

    // Lets the workers end in real time, then gives the page the tick that finds them done.
    void FinishSearch()
    {
        ASSERT_TRUE(WaitForWorkers(30000));
        host.AdvanceTime(1000);
    }

    // Everything logged so far; the log is closed for it.
    std::string CloseLogAndRead() const
    {
        log_Close();
        return ReadLog();
    }

    std::string Text(int id) const { return page.GetDlgItem(id)->GetWindowText(); }

    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < page.m_listDevices.GetItemCount(); ++row)
            rows.push_back(page.m_listDevices.GetItemText(row, 0) + "|" +
                           page.m_listDevices.GetItemText(row, 1));
        return rows;
    }

    static int EnabledParameters()
    {
        int count = 0;
        for (POSITION position = theParams.GetHeadPosition(); position != nullptr;)
            count += theParams.GetNext(position)->m_bEnabled ? 1 : 0;
        return count;
    }

    // An adapter whose ATI2 and ATI20 lines make a pair the device table does not list.
    void AttachUnlistedPair(int number)
    {
        sim::Options options;
        options.model = "KESTRAST/13";
        options.extendedModelLine = "ISDN TA S/T";
        m_unlisted = sim::Adapter::Start(options);
        ASSERT_NE(m_unlisted, nullptr);
        ASSERT_TRUE(m_unlisted->LinkAs(PortLink(number)));
    }

    std::unique_ptr<sim::Adapter> m_unlisted;
};

TEST_F(IDingPage, AdaptersListedInPortOrder_FirstRowSelected_AndNextTakesIt)
{
    AttachAdapter(3, "PELLOR-S");
    AttachAdapter(1, "KESTRAST/13");
    AttachAdapter(2, "modem");
    AttachUnlistedPair(5);
    ASSERT_EQ(GetDeviceNameId(3, 32), 0);
    SearchFromTheWelcomePage();
    EXPECT_EQ(UsableButtons(), "DisabledFinish,Cancel");
    EXPECT_FALSE(page.m_listDevices.IsWindowVisible());
    EXPECT_EQ(theApp.m_devices.size(), 36u);

    FinishSearch();
    EXPECT_EQ(UsableButtons(), "Back,Next,Cancel");
    EXPECT_FALSE(host.HasTimer(page, page.m_nTimerID)) << "the timer stops with the search";
    EXPECT_TRUE(page.m_listDevices.IsWindowVisible());
    EXPECT_TRUE(page.m_groupDevices.IsWindowVisible());
    EXPECT_EQ(Text(IDC_SEARCH_PROMPT),
              "Devices have been identified.  Please select a device to configure.");
    EXPECT_EQ(Text(IDC_SEARCH_HINT), "Click Next to continue.");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"COM1|KESTRAST", "COM3|PELLOR-S", "COM5|"}));
    EXPECT_EQ(page.m_listDevices.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(CWnd::GetFocus(), page.m_listDevices.GetPrimary());

    CRect rect;
    page.m_listDevices.GetWindowRect(&rect);
    EXPECT_EQ(page.m_listDevices.GetColumnHeading(0), "Port");
    EXPECT_EQ(page.m_listDevices.GetColumnHeading(1), "Model");
    EXPECT_EQ(page.m_listDevices.GetColumnFormat(0), LVCFMT_LEFT);
    EXPECT_EQ(page.m_listDevices.GetColumnFormat(1), LVCFMT_CENTER);
    EXPECT_EQ(page.m_listDevices.GetColumnWidth(0), rect.Width() / 4);
    EXPECT_EQ(page.m_listDevices.GetColumnWidth(1), 3 * rect.Width() / 4);
    EXPECT_EQ(rect.Width(), 201) << "134 dialog units at 6 pixels per 4";

    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find("]: Dump the devices:\n"), std::string::npos) << log;
    EXPECT_NE(log.find("]: <\\\\.\\COM1> nModel 3 nExtendedModel 13\n"), std::string::npos);
    EXPECT_NE(log.find("]: <\\\\.\\COM3> nModel 9 nExtendedModel 32\n"), std::string::npos);
    EXPECT_EQ(log.find("Timed out IDing"), std::string::npos);
    EXPECT_EQ(log.find("<\\\\.\\COM2> nModel"), std::string::npos) << "the modem is dropped";

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    EXPECT_STREQ(theApp.m_device.portPath, "\\\\.\\COM1");
    EXPECT_EQ(theApp.m_device.modelCode, 3);
    EXPECT_EQ(theApp.m_device.extModelCode, 13);
    EXPECT_EQ(theParams.GetCount(), 53);
    EXPECT_EQ(EnabledParameters(), 53) << "model 3 keeps its POTS port and bandwidth";
}

TEST_F(IDingPage, ModelNineTaken_TheTwelvePotsAndBandwidthParametersAreDisabled)
{
    AttachAdapter(4, "PELLOR-S");
    SearchFromTheWelcomePage();
    FinishSearch();
    ASSERT_EQ(Rows(), std::vector<std::string>{"COM4|PELLOR-S"});
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(theApp.m_device.modelCode, 9);
    for (int controlId : kPotsAndBandwidthControls)
        EXPECT_FALSE(theParams.FindParam(controlId)->m_bEnabled) << controlId;
    EXPECT_EQ(EnabledParameters(), 53 - 12);
}

TEST_F(IDingPage, NoAdapter_ShowsNotFoundWithFinishOnly_AtTheFirstTickAfterTheWorkersEnd)
{
    SearchFromTheWelcomePage();
    FinishSearch();
    EXPECT_EQ(Text(IDC_SEARCH_PROMPT), AfxLoadString(IDS_NOT_FOUND));
    EXPECT_EQ(UsableButtons(), "Finish,Cancel");
    EXPECT_FALSE(page.m_listDevices.IsWindowVisible());
    EXPECT_TRUE(theApp.m_devices.empty());
    EXPECT_TRUE(theApp.m_droppedDevices.empty()) << "finished records are freed at once";
    EXPECT_FALSE(host.HasTimer(page, page.m_nTimerID));
}

TEST_F(IDingPage, NoAdapter_HintNamesAPortAnotherProgramHolds_ElseOneThatAnsweredAsNoAdapter)
{
    AttachAdapter(4, "modem");
    AttachSilentPort(3);
    const std::string held = std::filesystem::read_symlink(PortLink(3)).string();
    std::optional<testing_support::PortHolder> holder(std::in_place, held);
    struct Row
    {
        const char* what;
        std::string hint;
    };
    const Row rows[] = {
        {"held by another program", held + " is in use by " + holder->Described()},
        {"gone", "COM4 answered, but not as a known adapter"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        page.m_bSearchPending = TRUE; // a search of its own for each row
        SearchFromTheWelcomePage();
        FinishSearch();
        EXPECT_EQ(Text(IDC_SEARCH_PROMPT), AfxLoadString(IDS_NOT_FOUND));
        EXPECT_EQ(Text(IDC_SEARCH_HINT), row.hint);
        holder.reset();
        std::filesystem::remove(PortLink(3)); // COM3 goes with its holder
        sheet.DestroyWindow();
    }
}

TEST_F(IDingPage, PortStillProbing_GivesUpAtThe21stTick_KeepingItsRecordForTheWorker)
{
    AttachSilentPort(2);
    SearchFromTheWelcomePage();
    host.AdvanceTime(20000);
    EXPECT_EQ(UsableButtons(), "DisabledFinish,Cancel");
    EXPECT_EQ(Text(IDC_SEARCH_PROMPT), AfxLoadString(IDS_SEARCHING));

    host.AdvanceTime(1000);
    EXPECT_EQ(Text(IDC_SEARCH_PROMPT), AfxLoadString(IDS_NOT_FOUND));
    EXPECT_EQ(UsableButtons(), "Finish,Cancel");
    EXPECT_FALSE(host.HasTimer(page, page.m_nTimerID));
    EXPECT_TRUE(theApp.m_devices.empty());
    const auto silent = std::find_if(
        theApp.m_droppedDevices.begin(), theApp.m_droppedDevices.end(),
        [](const DeviceRecord* record) { return std::string(record->portPath) == "\\\\.\\COM2"; });
    ASSERT_NE(silent, theApp.m_droppedDevices.end()) << "dropped, still in its worker's hands";
    EXPECT_EQ((*silent)->result.load(), -1);
    const std::string log = CloseLogAndRead();
    EXPECT_NE(log.find("]: Timed out IDing\n"), std::string::npos) << log;
    EXPECT_NE(log.find("]: Dump the devices:\n"), std::string::npos);
}

TEST_F(IDingPage, ComingBackAfterTheSearch_ShowsTheFirstListAtOnce_WithoutSearchingAgain)
{
    AttachAdapter(1, "KESTRAST/13");
    SearchFromTheWelcomePage();
    FinishSearch();
    const std::vector<DeviceRecord*> found = theApp.m_devices;
    ASSERT_EQ(found.size(), 1u);

    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_welcomePage);
    ASSERT_TRUE(wizard.Check(IDC_SEARCH_YES, BST_CHECKED));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(UsableButtons(), "Back,Next,Cancel");
    EXPECT_EQ(theApp.m_devices, found);
    EXPECT_FALSE(host.HasTimer(page, page.m_nTimerID));
    EXPECT_EQ(Rows(), std::vector<std::string>{"COM1|KESTRAST"});
    EXPECT_EQ(page.m_listDevices.GetNextItem(-1, LVNI_SELECTED), 0);

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(UsableButtons(), "Back,Next,Cancel");
}

TEST_F(IDingPage, NextWithoutASelectedRow_SaysSoAndStays)
{
    AttachAdapter(1, "KESTRAST/13");
    SearchFromTheWelcomePage();
    FinishSearch();
    page.m_listDevices.SetItemState(0, 0, LVIS_SELECTED);
    host.QueueAnswer(IDOK);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &page);
    ASSERT_FALSE(host.MessageBoxes().empty());
    EXPECT_EQ(host.MessageBoxes().back().text, "ERROR: You must select one device to configure.");
    EXPECT_EQ(theParams.GetCount(), 0) << "no adapter was taken";

    ASSERT_TRUE(wizard.SelectRow(IDC_DEVICE_LIST, 0));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
}
} // namespace
