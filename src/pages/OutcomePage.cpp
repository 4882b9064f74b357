#include "src/pages/OutcomePage.h"

#include "src/app/CfgApp.h"
#include "src/identify/DeviceTable.h"
#include "src/serial/log.h"

namespace
{
// Lines of the details static; the string table's texts break their lines alike.
constexpr const char* kLineBreak = "\r\n";
} // namespace

COutcomePage::COutcomePage(UINT nIDTemplate, int nMessageControl, int nDetailsControl)
    : CCfgPage(nIDTemplate), m_nMessageControl(nMessageControl), m_nDetailsControl(nDetailsControl)
{
}

BOOL COutcomePage::OnInitDialog()
{
    m_strMessage = AfxLoadString(MessageId());
    if (m_nDetailsControl != 0)
    {
        m_strDetails = Reason();
        if (const std::string log = log_Path(); !log.empty())
            m_strDetails +=
                std::string(m_strDetails.empty() ? "" : kLineBreak) + "Log of this run: " + log;
        const int details[] = {m_nDetailsControl};
        ShowDlgItems(*this, details, !m_strDetails.empty());
    }
    return CCfgPage::OnInitDialog();
}

BOOL COutcomePage::OnSetActive()
{
    RequestButtons(PSWIZB_FINISH);
    EnableCancel(FALSE);
    return DefaultActivation();
}

void COutcomePage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Text(pDX, m_nMessageControl, m_strMessage);
    if (m_nDetailsControl != 0)
        DDX_Text(pDX, m_nDetailsControl, m_strDetails);
}

UINT COutcomePage::FailureMessageId(UINT failureId)
{
    if (theApp.m_device.modelCode == devid_kUnknown ||
        theApp.m_device.extModelCode == devid_kUnknown)
        return IDS_NOT_FOUND;
    return failureId;
}

std::string COutcomePage::StoppedLineText(const std::string& what)
{
    const std::vector<std::string>& lines = theApp.m_device.cmdLines;
    const int acknowledged = theApp.m_device.status.load(std::memory_order_acquire);
    if (acknowledged < 0 || static_cast<size_t>(acknowledged) >= lines.size())
        return "";
    std::string line = lines[static_cast<size_t>(acknowledged)];
    line.erase(line.find_last_not_of("\r\n") + 1);
    return what + " command line " + std::to_string(acknowledged + 1) + " of " +
           std::to_string(lines.size()) + ": " + line;
}
