#include "src/pages/StoredNumbersPage.h"

#include "platform/TextRules.h"
#include "src/commands/CfgParam.h"

namespace
{
constexpr int kNumberCount = 10;
constexpr int kFirstNumberEdit = 1012; // number i is edit 1012 + i
constexpr int kLastNumberEdit = kFirstNumberEdit + kNumberCount - 1;
constexpr int kFirstLabelStatic = 1097; // label i is static 1097 + i
constexpr int kIntroStatic = 1094;
constexpr int kNoteStatic = 1107;
constexpr UINT kFirstLabelText = 1402;
constexpr UINT kIntroText = 1400;
constexpr UINT kNoteText = 1412;

// The longest number the profile keeps, which is the limit of number 0 for all ten; 0 when
// there is no catalogue to say.
int NumberMaxLength()
{
    const CCfgParam* param = theParams.FindParam(kFirstNumberEdit);
    const auto* setting =
        param != nullptr ? dynamic_cast<const CIniStringItem*>(param->GetIniItem()) : nullptr;
    return setting != nullptr ? setting->GetMaxLength() : 0;
}
} // namespace

BEGIN_MESSAGE_MAP(CStoredNumbersPage, CCfgPage)
ON_CONTROL_RANGE(EN_CHANGE, kFirstNumberEdit, kLastNumberEdit, &CCfgPage::OnSettingChanged)
END_MESSAGE_MAP()

CStoredNumbersPage::CStoredNumbersPage() : CCfgPage(IDD) {}

BOOL CStoredNumbersPage::OnInitDialog()
{
    for (int i = 0; i < kNumberCount; ++i)
        m_strDigitLabel[i] = AfxLoadString(kFirstLabelText + static_cast<UINT>(i));
    m_strIntro = AfxLoadString(kIntroText);
    m_strNote = AfxLoadString(kNoteText);
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
    for (int i = 0; i < kNumberCount; ++i)
    {
        DDX_Text(pDX, kFirstNumberEdit + i, m_strNumber[i]);
        if (maxLength > 0)
            DDV_MaxChars(pDX, m_strNumber[i], maxLength);
    }
    for (int i = 0; i < kNumberCount; ++i)
        DDX_Text(pDX, kFirstLabelStatic + i, m_strDigitLabel[i]);
    DDX_Text(pDX, kIntroStatic, m_strIntro);
    DDX_Text(pDX, kNoteStatic, m_strNote);

    if (!pDX->m_bSaveAndValidate)
        return;
    for (int i = 0; i < kNumberCount; ++i)
    {
        const int id = kFirstNumberEdit + i;
        DDX_Text(pDX, id, m_strNumber[i]);
        m_strNumber[i] = std::string(platform::TrimBlanks(m_strNumber[i]));
        theParams.ValidateParam(pDX, id);
        EnableParam(id, m_strNumber[i].empty() ? FALSE : TRUE);
    }
}
