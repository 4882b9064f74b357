#include "src/pages/ConfigTimeoutPage.h"

CConfigTimeoutPage::CConfigTimeoutPage() : COutcomePage(IDD, IDC_TIMEOUT_MESSAGE) {}

UINT CConfigTimeoutPage::MessageId() const
{
    return FailureMessageId(IDS_TIMED_OUT);
}
