#include "src/pages/ConfigSuccessPage.h"

CConfigSuccessPage::CConfigSuccessPage() : COutcomePage(IDD, IDC_SUCCESS_MESSAGE) {}

UINT CConfigSuccessPage::MessageId() const
{
    return IDS_CONFIGURED;
}
