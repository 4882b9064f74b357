#include "src/pages/StoredNumbersPage.h"

#include "platform/TextRules.h"
#include "src/commands/CfgParam.h"

namespace
{
using Page = CStoredNumbersPage;

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_STORED_NUMBER_LABEL_0, IDS_STORED_NUMBER_LABEL_0, ElementOf<&Page::m_strDigitLabel, 0>()},
    {IDC_STORED_NUMBER_LABEL_1, IDS_STORED_NUMBER_LABEL_1, ElementOf<&Page::m_strDigitLabel, 1>()},
    {IDC_STORED_NUMBER_LABEL_2, IDS_STORED_NUMBER_LABEL_2, ElementOf<&Page::m_strDigitLabel, 2>()},
    {IDC_STORED_NUMBER_LABEL_3, IDS_STORED_NUMBER_LABEL_3, ElementOf<&Page::m_strDigitLabel, 3>()},
    {IDC_STORED_NUMBER_LABEL_4, IDS_STORED_NUMBER_LABEL_4, ElementOf<&Page::m_strDigitLabel, 4>()},
    {IDC_STORED_NUMBER_LABEL_5, IDS_STORED_NUMBER_LABEL_5, ElementOf<&Page::m_strDigitLabel, 5>()},
    {IDC_STORED_NUMBER_LABEL_6, IDS_STORED_NUMBER_LABEL_6, ElementOf<&Page::m_strDigitLabel, 6>()},
    {IDC_STORED_NUMBER_LABEL_7, IDS_STORED_NUMBER_LABEL_7, ElementOf<&Page::m_strDigitLabel, 7>()},
    {IDC_STORED_NUMBER_LABEL_8, IDS_STORED_NUMBER_LABEL_8, ElementOf<&Page::m_strDigitLabel, 8>()},
    {IDC_STORED_NUMBER_LABEL_9, IDS_STORED_NUMBER_LABEL_9, ElementOf<&Page::m_strDigitLabel, 9>()},
    {IDC_NUMBERS_INTRO,         IDS_NUMBERS_INTRO,         TextOf<&Page::m_strIntro>()},
    {IDC_NUMBERS_NOTE,          IDS_NUMBERS_NOTE,          TextOf<&Page::m_strNote>()},
};
// clang-format on
} // namespace

CStoredNumbersPage::CStoredNumbersPage() : CCfgPage(IDD, kStaticTexts) {}

void CStoredNumbersPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    for (int i = 0; i < kStoredNumberCount; ++i)
    {
        DDX_Text(pDX, IDC_STORED_NUMBER_0 + i, m_strNumber[i]);
        DDV_MaxChars(pDX, m_strNumber[i], CatalogueMaxLength(IDC_STORED_NUMBER_0 + i));
    }

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
