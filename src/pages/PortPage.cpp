#include "src/pages/PortPage.h"

#include "platform/PortAccess.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/identify/PortWorkers.h"
#include "src/identify/devid.h"
#include "src/profile/CharSet.h"
#include "src/profile/ProfileFile.h"

#include <cstdio>

namespace
{
constexpr const char* kInvalidDevice = "Error invalid device.";
// At most 4 characters of the stored index are read.
constexpr DWORD kStoredPortBufferSize = 5;

// The entries of combo IDC_PORT: entry i names COM(i + 1). The value is the entry's index.
// clang-format off
const ChoiceEntry kPortChoices[] = {
    {ComPortStringId(1), 0},  {ComPortStringId(2), 1},  {ComPortStringId(3), 2},  {ComPortStringId(4), 3},
    {ComPortStringId(5), 4},  {ComPortStringId(6), 5},  {ComPortStringId(7), 6},  {ComPortStringId(8), 7},
    {ComPortStringId(9), 8},  {ComPortStringId(10), 9}, {ComPortStringId(11), 10}, {ComPortStringId(12), 11},
    {ComPortStringId(13), 12}, {ComPortStringId(14), 13}, {ComPortStringId(15), 14}, {ComPortStringId(16), 15},
    {ComPortStringId(17), 16}, {ComPortStringId(18), 17}, {ComPortStringId(19), 18}, {ComPortStringId(20), 19},
    {ComPortStringId(21), 20}, {ComPortStringId(22), 21}, {ComPortStringId(23), 22}, {ComPortStringId(24), 23},
    {ComPortStringId(25), 24}, {ComPortStringId(26), 25}, {ComPortStringId(27), 26}, {ComPortStringId(28), 27},
    {ComPortStringId(29), 28}, {ComPortStringId(30), 29}, {ComPortStringId(31), 30}, {ComPortStringId(32), 31},
    {ComPortStringId(33), 32}, {ComPortStringId(34), 33}, {ComPortStringId(35), 34}, {ComPortStringId(36), 35},
    {0, 0},
};

constexpr StaticText kStaticTexts[] = {
    {IDC_PORT_PROMPT, IDS_PORT_PROMPT, TextOf<&CPortPage::m_strPrompt>()},
    {IDC_PORT_LABEL,  IDS_PORT_LABEL,  TextOf<&CPortPage::m_strLabel>()},
};
// clang-format on
} // namespace

CPortPage::CPortPage()
    : CCfgPage(IDD, kStaticTexts), m_strSection(AfxLoadString(IDS_DEFAULT_CONFIGS_SECTION)),
      m_strKey(AfxLoadString(IDS_PORT_KEY))
{
}

BOOL CPortPage::OnInitDialog()
{
    FillCombo(IDC_PORT, kPortChoices);

    // The catalogue, which fills g_profilePath, is not built before an adapter is confirmed,
    // and this page comes before that on the first visit; the path is taken here so that the
    // stored port counts on the first visit too. It is the path the catalogue will take.
    GetProfilePath();
    char stored[kStoredPortBufferSize] = {};
    GetPrivateProfileStringA(m_strSection.c_str(), m_strKey.c_str(), "0", stored,
                             kStoredPortBufferSize, g_profilePath.c_str());
    // Anything but digits gives -1, and an index past COM36 selects nothing either.
    m_nPortIndex = ParseDecimal(stored);
    return CCfgPage::OnInitDialog();
}

LRESULT CPortPage::OnWizardNext()
{
    UpdateData(TRUE);
    DeviceRecord record;
    // No entry selected makes COM0, which never opens: the same message as a silent port.
    snprintf(record.portPath, sizeof record.portPath, "\\\\.\\COM%d", m_nPortIndex + 1);
    record.result = -1;
    // The identification takes seconds; the host may keep the window painted meanwhile. The
    // work touches nothing but the record on this stack frame and the port.
    AfxRunBusy([&record] { record.result = IdentifyOnPort(record, record.portPath); });

    if (record.result != devid_kIdentified)
    {
        AfxMessageBox(kInvalidDevice, MB_OK, InvalidDeviceDetails(record, record.result));
        return -1;
    }
    theApp.m_device = record;
    // Unlike the search page, this route leaves the POTS port and bandwidth parameters of the
    // models 7, 8 and 9 enabled, as the catalogue builds them. The difference is the wizard's
    // own and is kept on purpose.
    Sheet().BuildCatalogue();
    return JumpTo(Sheet().m_iniSectionPage);
}

std::string CPortPage::InvalidDeviceDetails(const DeviceRecord& record, int outcome)
{
    if (outcome == kIdentifyPortUnavailable)
        return GetPortFailureDetails(record.portPath);
    if (AnsweredAsNoKnownAdapter(record, outcome))
        return NoKnownAdapterText(PortNameOf(record));
    return PortNameOf(record) + " opened, but no adapter answered";
}

void CPortPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_PORT, m_nPortIndex);
}
