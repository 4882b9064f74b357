#include "src/pages/StoredNumbersPage.h"

#include "platform/TextRules.h"
#include "src/commands/CfgParam.h"

namespace
{
constexpr int kLastNumberEdit = IDC_STORED_NUMBER_0 + kStoredNumberCount - 1;

// The longest number the profile keeps, which is the limit of number 0 for all ten; 0 when
// there is no catalogue to say.
int NumberMaxLength()
{
    const CCfgParam* param = theParams.FindParam(IDC_STORED_NUMBER_0);
    const auto* setting =
        param != nullptr ? dynamic_cast<const CIniStringItem*>(param->GetIniItem()) : nullptr;
    return setting != nullptr ? setting->GetMaxLength() : 0;
}
} // namespace

BEGIN_MESSAGE_MAP(CStoredNumbersPage, CCfgPage)
ON_CONTROL_RANGE(EN_CHANGE, IDC_STORED_NUMBER_0, kLastNumberEdit, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CStoredNumbersPage::CStoredNumbersPage() : CCfgPage(IDD) {}

BOOL CStoredNumbersPage::OnInitDialog()
{
    for (int i = 0; i < kStoredNumberCount; ++i)
        m_strDigitLabel[i] = AfxLoadString(IDS_STORED_NUMBER_LABEL_0 + static_cast<UINT>(i));
    m_strIntro = AfxLoadString(IDS_NUMBERS_INTRO);
    m_strNote = AfxLoadString(IDS_NUMBERS_NOTE);
    return CCfgPage::OnInitDialog();
}

BOOL CStoredNumbersPage::OnSetActive()
{
    return ActivateSettingsPage();
}

void CStoredNumbersPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    const int maxLength = NumberMaxLength();
    for (int i = 0; i < kStoredNumberCount; ++i)
    {
        DDX_Text(pDX, IDC_STORED_NUMBER_0 + i, m_strNumber[i]);
        if (maxLength > 0)
            DDV_MaxChars(pDX, m_strNumber[i], maxLength);
    }
    for (int i = 0; i < kStoredNumberCount; ++i)
        DDX_Text(pDX, IDC_STORED_NUMBER_LABEL_0 + i, m_strDigitLabel[i]);
    DDX_Text(pDX, IDC_NUMBERS_INTRO, m_strIntro);
    DDX_Text(pDX, IDC_NUMBERS_NOTE, m_strNote);

    if (!pDX->m_bSaveAndValidate)
        return;
    for (int i = 0; i < kStoredNumberCount; ++i)
    {
        const int id = IDC_STORED_NUMBER_0 + i;
        DDX_Text(pDX, id, m_strNumber[i]);
        m_strNumber[i] = std::string(platform::TrimBlanks(m_strNumber[i]));
        theParams.ValidateParam(pDX, id);
        EnableParam(id, m_strNumber[i].empty() ? FALSE : TRUE);
    }
}
