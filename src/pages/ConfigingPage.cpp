#include "src/pages/ConfigingPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/download/Download.h"

#include <algorithm>

namespace
{
// The page gives up a second after this, as it did when it counted seconds and left at the 51st.
constexpr DWORD kShortestLimitMs = 50 * 1000;
constexpr DWORD kOneSecondMs = 1000;

constexpr StaticText kStaticTexts[] = {
    {IDC_CONFIGURING_STATUS, IDS_CONFIGURING, TextOf<&CConfigingPage::m_strStatus>()},
};
} // namespace

CConfigingPage::CConfigingPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CConfigingPage::OnSetActive()
{
    RequestButtons(PSWIZB_DISABLEDFINISH);
    m_nTicks = 0;
    ShowProgress();
    SetTimer(m_nTimerID, kWorkerPollMs);
    return DefaultActivation();
}

void CConfigingPage::ShowProgress()
{
    Sheet().SetProgress(theApp.m_device.status.load(std::memory_order_acquire),
                        static_cast<int>(theApp.m_device.cmdLines.size()));
}

DWORD CConfigingPage::TimeLimitMs(size_t lineCount)
{
    return std::max(kShortestLimitMs, DownloadWorstCaseMs(lineCount)) + kOneSecondMs;
}

void CConfigingPage::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerID)
        return;
    ++m_nTicks;
    ShowProgress();
    const DWORD waitedMs = static_cast<DWORD>(m_nTicks) * kWorkerPollMs;
    if (waitedMs >= TimeLimitMs(theApp.m_device.cmdLines.size()))
    {
        KillTimer(m_nTimerID);
        Sheet().SetProgress(0, 0);
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
        return Sheet().m_configSuccessPage;
    if (result == kDownloadNoOK)
        return Sheet().m_configTimeoutPage;
    return Sheet().m_configErrorPage; // kDownloadSendError, kDownloadPortError
}
