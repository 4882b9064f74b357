#include "src/pages/ConfigingPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/download/Download.h"

namespace
{
constexpr UINT kTickMs = 1000;
constexpr int kTickLimit = 50; // the page gives up at the tick after this one

} // namespace

CConfigingPage::CConfigingPage() : CCfgPage(IDD) {}

BOOL CConfigingPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_strStatus = AfxLoadString(IDS_CONFIGURING);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CConfigingPage::OnSetActive()
{
    RequestButtons(PSWIZB_DISABLEDFINISH);
    m_nTicks = 0;
    SetTimer(m_nTimerID, kTickMs);
    return CPropertyPage::OnSetActive();
}

void CConfigingPage::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerID)
        return;
    ++m_nTicks;
    if (m_nTicks > kTickLimit)
    {
        KillTimer(m_nTimerID);
        m_strStatus = AfxLoadString(IDS_NOT_FOUND);
    }
    else
    {
        const int result = theApp.m_device.result.load(std::memory_order_acquire);
        if (result == -1)
            return;
        KillTimer(m_nTimerID);
        JumpTo(OutcomePage(result));
    }
    UpdateData(FALSE);
    // Posted after the outcome page's own request, so this one is what remains.
    RequestButtons(PSWIZB_FINISH);
}

CPropertyPage& CConfigingPage::OutcomePage(int result) const
{
    if (result == kDownloadOK)
        return m_pSheet->m_configSuccessPage;
    if (result == kDownloadNoOK)
        return m_pSheet->m_configTimeoutPage;
    return m_pSheet->m_configErrorPage; // kDownloadSendError, kDownloadPortError
}

void CConfigingPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CONFIGURING_STATUS, m_strStatus);
}
