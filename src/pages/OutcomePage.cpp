#include "src/pages/OutcomePage.h"

#include "src/app/CfgApp.h"
#include "src/identify/DeviceTable.h"

COutcomePage::COutcomePage(UINT nIDTemplate, int nMessageControl)
    : CCfgPage(nIDTemplate), m_nMessageControl(nMessageControl)
{
}

BOOL COutcomePage::OnInitDialog()
{
    m_strMessage = AfxLoadString(MessageId());
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
}

UINT COutcomePage::FailureMessageId(UINT failureId)
{
    if (theApp.m_device.modelCode == devid_kUnknown ||
        theApp.m_device.extModelCode == devid_kUnknown)
        return IDS_NOT_FOUND;
    return failureId;
}
