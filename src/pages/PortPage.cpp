#include "src/pages/PortPage.h"

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
constexpr int kIdPorts = 1161;
constexpr int kIdLabel = 1162;
constexpr int kIdPrompt = 1163;
constexpr UINT kStringPrompt = 1443;
constexpr UINT kStringLabel = 1444;
constexpr UINT kStringSection = 1344; // "Default Configs"
constexpr UINT kStringKey = 1445;     // "Port"
constexpr const char* kInvalidDevice = "Error invalid device.";
// At most 4 characters of the stored index are read.
constexpr DWORD kStoredPortBufferSize = 5;

// The entries of combo 1161: entry i names COM(i + 1). The value is the entry's index.
// clang-format off
const ChoiceEntry kPortChoices[] = {
    {1254,  0}, {1255,  1}, {1256,  2}, {1257,  3}, {1258,  4}, {1259,  5}, // COM1 - COM6
    {1260,  6}, {1261,  7}, {1446,  8}, {1447,  9}, {1448, 10}, {1449, 11}, // COM7 - COM12
    {1450, 12}, {1451, 13}, {1452, 14}, {1453, 15}, {1454, 16}, {1455, 17}, // COM13 - COM18
    {1456, 18}, {1457, 19}, {1458, 20}, {1459, 21}, {1460, 22}, {1461, 23}, // COM19 - COM24
    {1462, 24}, {1463, 25}, {1464, 26}, {1465, 27}, {1466, 28}, {1467, 29}, // COM25 - COM30
    {1468, 30}, {1469, 31}, {1470, 32}, {1471, 33}, {1472, 34}, {1473, 35}, // COM31 - COM36
    {0, 0},
};
// clang-format on
} // namespace

CPortPage::CPortPage()
    : CCfgPage(IDD), m_strSection(AfxLoadString(kStringSection)),
      m_strKey(AfxLoadString(kStringKey))
{
}

BOOL CPortPage::OnInitDialog()
{
    CCfgPage::OnInitDialog();
    m_strPrompt = AfxLoadString(kStringPrompt);
    m_strLabel = AfxLoadString(kStringLabel);
    if (auto* ports = static_cast<CComboBox*>(GetDlgItem(kIdPorts)))
        FillComboFromChoices(*ports, kPortChoices);

    // The catalogue, which fills g_profilePath, is not built before an adapter is confirmed,
    // and this page comes before that on the first visit; the path is taken here so that the
    // stored port counts on the first visit too. It is the path the catalogue will take.
    GetProfilePath();
    char stored[kStoredPortBufferSize] = {};
    GetPrivateProfileStringA(m_strSection.c_str(), m_strKey.c_str(), "0", stored,
                             kStoredPortBufferSize, g_profilePath.c_str());
    // Anything but digits gives -1, and an index past COM36 selects nothing either.
    m_nPortIndex = ParseDecimal(stored);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPortPage::OnSetActive()
{
    return ActivateSettingsPage();
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
        AfxMessageBox(kInvalidDevice, MB_OK);
        return -1;
    }
    theApp.m_device = record;
    // Unlike the search page, this route leaves the POTS port and bandwidth parameters of the
    // models 7, 8 and 9 enabled, as the catalogue builds them. The difference is the wizard's
    // own and is kept on purpose.
    m_pSheet->BuildCatalogue();
    return JumpTo(m_pSheet->m_iniSectionPage);
}

void CPortPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, kIdPorts, m_nPortIndex);
    DDX_Text(pDX, kIdPrompt, m_strPrompt);
    DDX_Text(pDX, kIdLabel, m_strLabel);
}
