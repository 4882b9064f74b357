#include "src/pages/ConfigErrorPage.h"

#include "platform/PortAccess.h"
#include "src/app/CfgApp.h"
#include "src/download/Download.h"

CConfigErrorPage::CConfigErrorPage() : COutcomePage(IDD, IDC_ERROR_MESSAGE, IDC_ERROR_DETAILS) {}

UINT CConfigErrorPage::MessageId() const
{
    return FailureMessageId(IDS_SEND_ERROR);
}

std::string CConfigErrorPage::Reason() const
{
    if (theApp.m_device.result.load(std::memory_order_acquire) == kDownloadPortError)
        return GetPortFailureDetails(theApp.m_device.portPath);
    return StoppedLineText("Failed at");
}
