#include "tests/support/WizardAdapters.h"

#include "src/identify/devid.h"
#include "tests/support/PortHolder.h"

#include <functional>
#include <thread>

using wizard_testing::AdapterWizardTest;

namespace
{
constexpr const char* kInvalidDevice = "Error invalid device.";

class PortPage : public AdapterWizardTest
{
protected:
    int SelectedPort() const
    {
        auto* ports = static_cast<CComboBox*>(wizard.Control(IDC_PORT));
        return ports != nullptr ? ports->GetCurSel() : -2;
    }
};

// Runs the busy work on a thread of its own, as a host with a screen does, and counts what the
// work did to the windows meanwhile.
class ThreadedBusyHost : public HeadlessHost
{
public:
    void RunBusy(const std::function<void()>& work) override
    {
        ++calls;
        const size_t changesBefore = ChangeCount();
        const size_t boxesBefore = MessageBoxes().size();
        std::thread worker(work);
        worker.join();
        windowChangesDuringWork += ChangeCount() - changesBefore;
        messageBoxesDuringWork += MessageBoxes().size() - boxesBefore;
    }

    int calls = 0;
    size_t windowChangesDuringWork = 0;
    size_t messageBoxesDuringWork = 0;
};

TEST_F(PortPage, StoredPortIsPreselected_OnTheFirstVisitAlready)
{
    struct Row
    {
        const char* profile;
        int expectedSelection;
    };
    const Row rows[] = {
        {nullptr, 0},                               // no profile: COM1
        {"[Default Configs]\nPort=2\n", 2},         // COM3
        {"[Default Configs]\nPort=35\n", 35},       // COM36
        {"[Default Configs]\nPort=40\n", -1},       // no such entry
        {"[Default Configs]\nPort=COM2\n", -1},     // not a number
        {"[Default Configs]\nPort=00003\n", 0},     // read as its first four characters
        {"[Default Configs]\nConfig1=Office\n", 0}, // no stored port
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.profile != nullptr ? row.profile : "(no profile)");
        std::filesystem::remove(ProfilePath());
        if (row.profile != nullptr)
            WriteProfile(row.profile);
        g_profilePath.clear(); // as at start-up: no catalogue yet
        StartOn(sheet.m_portPage);
        auto* ports = static_cast<CComboBox*>(wizard.Control(IDC_PORT));
        ASSERT_EQ(ports->GetCount(), 36);
        EXPECT_EQ(ports->GetLBText(8), "COM9");
        EXPECT_EQ(ports->GetLBText(35), "COM36");
        EXPECT_EQ(SelectedPort(), row.expectedSelection);
        sheet.DestroyWindow();
    }
}

TEST_F(PortPage, ChosenPortIsKeptAndNeverWrittenBack_WhenTheUserGoesBackAndForth)
{
    const std::string profile = "[Default Configs]\nPort=2\n";
    WriteProfile(profile);
    ASSERT_TRUE(wizard.Start());
    ASSERT_TRUE(wizard.Click(IDC_SEARCH_NO));
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_portPage);
    EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZBACK));
    EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZNEXT));
    EXPECT_EQ(SelectedPort(), 2);

    ASSERT_TRUE(wizard.Select(IDC_PORT, 6));
    EXPECT_FALSE(g_bCfgModified);
    ASSERT_TRUE(wizard.Back());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_welcomePage);
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_portPage);
    EXPECT_EQ(SelectedPort(), 6);
    EXPECT_EQ(ReadProfile(), profile);
}

TEST_F(PortPage, AdapterOnTheChosenPortIsTakenAndTheSetupTypePageFollows_WhileTheHostWaitsBusy)
{
    AttachAdapter(5, "PELLOR-S");
    WriteProfile("[Default Configs]\nConfig1=Office\n[Office]\nRingsToAnswer=2\n");
    ThreadedBusyHost busyHost;
    busyHost.SetErrorHandler([](const std::string& error) { ADD_FAILURE() << error; });
    AfxSetHost(&busyHost);
    struct RestoreHost
    {
        CCfgSheet& sheet;
        ~RestoreHost()
        {
            sheet.DestroyWindow();
            AfxSetHost(&TestHost());
        }
    } restore{sheet};

    StartOn(sheet.m_portPage);
    ASSERT_TRUE(wizard.Select(IDC_PORT, 4));
    ASSERT_TRUE(wizard.Next());

    EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    EXPECT_STREQ(theApp.m_device.portPath, "\\\\.\\COM5");
    EXPECT_EQ(theApp.m_device.modelCode, 9);
    EXPECT_EQ(theApp.m_device.extModelCode, 32);
    EXPECT_EQ(theApp.m_device.status.load(), devid_kIdentified);
    EXPECT_EQ(theApp.m_device.result.load(), devid_kIdentified);
    EXPECT_EQ(theParams.GetCount(), 53);
    EXPECT_EQ(g_profilePath, ProfilePath());
    // Models 7 to 9 keep their POTS port and bandwidth parameters on this route.
    EXPECT_TRUE(theParams.FindParam(IDC_RING_FREQUENCY)->m_bEnabled);
    EXPECT_TRUE(theParams.FindParam(IDC_BANDWIDTH_SCHEME)->m_bEnabled);

    EXPECT_EQ(busyHost.calls, 1);
    EXPECT_EQ(busyHost.windowChangesDuringWork, 0u);
    EXPECT_EQ(busyHost.messageBoxesDuringWork, 0u);
    EXPECT_TRUE(busyHost.MessageBoxes().empty());
}

TEST_F(PortPage, ErrorInvalidDeviceAndThePageStays_WithWhyAsItsDetails)
{
    AttachSilentPort(3);
    AttachSilentPort(4);
    const std::string held = std::filesystem::read_symlink(PortLink(4)).string();
    const testing_support::PortHolder holder(held);
    struct Row
    {
        const char* what;
        const char* profile;
        int select; // -1: leave the preselection
        std::string details;
    };
    const Row rows[] = {
        {"a port that does not exist", "", 1,
         "COM2: " + PortLink(2) + ": No such file or directory"},
        {"no port chosen at all", "[Default Configs]\nPort=40\n", -1, ""},
        {"a port that opens and never answers", "", 2, "COM3 opened, but no adapter answered"},
        {"a port another program holds", "", 3,
         "COM4: " + held + " (" + PortLink(4) + "): Device or resource busy (held with flock by " +
             holder.Described() + ")"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        WriteProfile(row.profile);
        StartOn(sheet.m_portPage);
        if (row.select >= 0)
        {
            ASSERT_TRUE(wizard.Select(IDC_PORT, row.select));
        }
        host.QueueAnswer(IDOK);
        ASSERT_TRUE(wizard.Next());
        ASSERT_EQ(host.MessageBoxes().size(), 1u);
        EXPECT_EQ(host.MessageBoxes()[0].text, kInvalidDevice);
        EXPECT_EQ(host.MessageBoxes()[0].details, row.details);
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_portPage);
        EXPECT_STREQ(theApp.m_device.portPath, "");
        EXPECT_EQ(theParams.GetCount(), 0);
        host.ClearMessageBoxes();
        sheet.DestroyWindow();
    }
}

TEST_F(PortPage, ModemIsAnInvalidDevice_WhenItsRepliesNameNoAdapter)
{
    AttachAdapter(4, "modem");
    StartOn(sheet.m_portPage);
    ASSERT_TRUE(wizard.Select(IDC_PORT, 3));
    host.QueueAnswer(IDOK);
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].text, kInvalidDevice);
    EXPECT_EQ(host.MessageBoxes()[0].details, "COM4 answered, but not as a known adapter");
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_portPage);
    EXPECT_EQ(theParams.GetCount(), 0);
}
} // namespace
