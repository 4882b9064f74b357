#include "src/pages/ConfigErrorPage.h"

CConfigErrorPage::CConfigErrorPage() : COutcomePage(IDD, IDC_ERROR_MESSAGE) {}

UINT CConfigErrorPage::MessageId() const
{
    return FailureMessageId(IDS_SEND_ERROR);
}
