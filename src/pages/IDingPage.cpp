#include "src/pages/IDingPage.h"

#include "platform/PortAccess.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/identify/DeviceTable.h"
#include "src/identify/PortWorkers.h"
#include "src/identify/devid.h"
#include "src/serial/log.h"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr int kFirstPort = 1;
constexpr int kLastPort = 36;
// The search gives up on the ports still probing this long after its start: when it counted
// seconds, at the 21st.
constexpr DWORD kSearchLimitMs = 21 * 1000;

// These texts have no string-table entry of their own.
constexpr const char* kDevicesFound =
    "Devices have been identified.  Please select a device to configure.";
constexpr const char* kClickNext = "Click Next to continue.";
constexpr const char* kSelectOneDevice = "ERROR: You must select one device to configure.";
constexpr const char* kPortHeading = "Port";
constexpr const char* kModelHeading = "Model";

// The parameters of the POTS port page, then of the bandwidth page: models 7, 8 and 9 have
// neither, so none of them is sent to such an adapter.
// clang-format off
constexpr int kPotsAndBandwidthControls[] = {
    // POTS port
    IDC_RING_FREQUENCY,   IDC_DIAL_TONE,          IDC_DIAL_TONE_GAIN,
    IDC_DIAL_TONE_SUPPRESSION, IDC_RING_SIGNAL,   IDC_PULSE_RECOGNITION,
    // bandwidth
    IDC_BANDWIDTH_SCHEME, IDC_BOD_HIGH_THRESHOLD, IDC_BOD_HIGH_THROUGHPUT,
    IDC_BOD_LOW_THRESHOLD, IDC_BOD_LOW_THROUGHPUT, IDC_CALL_BUMPING,
};
// clang-format on

constexpr StaticText kStaticTexts[] = {
    {IDC_SEARCH_PROMPT, IDS_SEARCHING, TextOf<&CIDingPage::m_strPrompt>()},
};
} // namespace

CIDingPage::CIDingPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CIDingPage::OnSetActive()
{
    if (!m_bSearchPending)
        return CCfgPage::OnSetActive();
    m_bSearchPending = FALSE;
    m_strHint.clear();
    RequestButtons(PSWIZB_DISABLEDFINISH);
    StartSearch();
    ShowProgress();
    m_nTicks = 0;
    SetTimer(m_nTimerID, kWorkerPollMs);
    return DefaultActivation();
}

void CIDingPage::StartSearch()
{
    for (int number = kFirstPort; number <= kLastPort; ++number)
    {
        auto* record = new DeviceRecord;
        std::snprintf(record->portPath, sizeof record->portPath, "\\\\.\\COM%d", number);
        record->result.store(-1, std::memory_order_release);
        theApp.m_devices.push_back(record);
        StartIdentifyWorker(record);
    }
}

void CIDingPage::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerID)
        return;
    ++m_nTicks;
    ShowProgress();
    const bool timedOut = static_cast<DWORD>(m_nTicks) * kWorkerPollMs >= kSearchLimitMs;
    if (!timedOut && !AllProbesDone())
        return;
    KillTimer(m_nTimerID);
    if (timedOut)
        LOG_PRINTF("Timed out IDing");
    ShowOutcome(PruneAndLogDevices());
}

bool CIDingPage::AllProbesDone()
{
    return std::none_of(theApp.m_devices.begin(), theApp.m_devices.end(), WorkerStillWrites);
}

void CIDingPage::ShowProgress()
{
    const auto ended =
        std::count_if(theApp.m_devices.begin(), theApp.m_devices.end(),
                      [](const DeviceRecord* record) { return !WorkerStillWrites(record); });
    Sheet().SetProgress(static_cast<int>(ended), kLastPort - kFirstPort + 1);
}

std::vector<std::string> CIDingPage::PruneAndLogDevices()
{
    std::vector<DeviceRecord*> identified;
    std::vector<std::string> unknownAnswers;
    for (DeviceRecord* record : theApp.m_devices)
    {
        if (record->status.load(std::memory_order_acquire) == devid_kIdentified)
        {
            identified.push_back(record);
            continue;
        }
        // The model codes may be read once the worker has published its result.
        const int result = record->result.load(std::memory_order_acquire);
        if (result != -1 && AnsweredAsNoKnownAdapter(*record, result))
            unknownAnswers.push_back(PortNameOf(*record));
        theApp.DropDevice(record);
    }
    theApp.m_devices = std::move(identified);
    LOG_PRINTF("Dump the devices:");
    for (const DeviceRecord* record : theApp.m_devices)
    {
        LOG_PRINTF("<%s> nModel %d nExtendedModel %d", record->portPath, record->modelCode,
                   record->extModelCode);
    }
    return unknownAnswers;
}

void CIDingPage::ShowOutcome(const std::vector<std::string>& unknownAnswers)
{
    Sheet().SetProgress(0, 0);
    if (!theApp.m_devices.empty())
    {
        ShowDevices();
        return;
    }
    m_strPrompt = AfxLoadString(IDS_NOT_FOUND);
    // Say in the hint line what the user can do something about: a port refused (Linux refuses
    // serial devices to users outside their group), taken by another program or kept by a stale
    // lock first, as the system knows them; else a port whose answer named no adapter.
    m_strHint = GetPortFailureHint();
    if (m_strHint.empty() && !unknownAnswers.empty())
    {
        const size_t more = unknownAnswers.size() - 1;
        m_strHint = NoKnownAdapterText(unknownAnswers.front() +
                                       (more > 0 ? " (+" + std::to_string(more) + ")" : ""));
    }
    UpdateData(FALSE);
    RequestButtons(PSWIZB_FINISH);
}

void CIDingPage::ShowDevices()
{
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    m_groupDevices.ShowWindow(SW_SHOW);
    m_listDevices.ShowWindow(SW_SHOW);
    m_strPrompt = kDevicesFound;
    m_strHint = kClickNext;
    FillDeviceList();
    m_listDevices.SetFocus();
    m_listDevices.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    UpdateData(FALSE);
}

void CIDingPage::FillDeviceList()
{
    CRect rect;
    m_listDevices.GetWindowRect(&rect);
    const int width = rect.Width();
    m_listDevices.InsertColumn(0, kPortHeading, LVCFMT_LEFT, width / 4);
    m_listDevices.InsertColumn(1, kModelHeading, LVCFMT_CENTER, 3 * width / 4);
    int row = 0;
    for (const DeviceRecord* record : theApp.m_devices)
    {
        m_listDevices.InsertItem(row, PortNameOf(*record));
        const int nameId = GetDeviceNameId(record->modelCode, record->extModelCode);
        m_listDevices.SetItemText(row, 1,
                                  nameId != 0 ? AfxLoadString(static_cast<UINT>(nameId)) : "");
        ++row;
    }
}

LRESULT CIDingPage::OnWizardBack()
{
    return JumpTo(Sheet().m_welcomePage);
}

LRESULT CIDingPage::OnWizardNext()
{
    UpdateData(TRUE);
    const int row = m_listDevices.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0 || static_cast<size_t>(row) >= theApp.m_devices.size())
    {
        AfxMessageBox(kSelectOneDevice, MB_OK);
        return -1;
    }
    theApp.m_device = *theApp.m_devices[static_cast<size_t>(row)];
    Sheet().BuildCatalogue();
    if (IsZandiZobraOrPellorAdapter())
    {
        for (int controlId : kPotsAndBandwidthControls)
            EnableParam(controlId, FALSE);
    }
    return 0;
}

void CIDingPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVICE_LIST, m_listDevices);
    DDX_Control(pDX, IDC_DEVICE_GROUP, m_groupDevices);
    DDX_Text(pDX, IDC_SEARCH_HINT, m_strHint);
}
