#include "src/pages/ConfigTimeoutPage.h"

CConfigTimeoutPage::CConfigTimeoutPage()
    : COutcomePage(IDD, IDC_TIMEOUT_MESSAGE, IDC_TIMEOUT_DETAILS)
{
}

UINT CConfigTimeoutPage::MessageId() const
{
    return FailureMessageId(IDS_TIMED_OUT);
}

std::string CConfigTimeoutPage::Reason() const
{
    return StoppedLineText("No answer to");
}
