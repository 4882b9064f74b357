#include "src/pages/CfgPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"

CCfgPage::CCfgPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

void CCfgPage::OnSettingChanged()
{
    SetModified(TRUE);
    g_bCfgModified = TRUE;
}

void CCfgPage::RequestButtons(DWORD dwFlags)
{
    if (CPropertySheet* sheet = GetSheet())
        sheet->SetWizardButtons(dwFlags);
}

BOOL CCfgPage::ActivateSettingsPage()
{
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CCfgPage::JumpTo(CPropertyPage& page)
{
    if (CPropertySheet* sheet = GetSheet())
        sheet->SetActivePage(&page);
    return -1;
}

void CCfgPage::EnableCancel(BOOL bEnable)
{
    if (CPropertySheet* sheet = GetSheet())
    {
        if (CWnd* cancel = sheet->GetDlgItem(IDCANCEL))
            cancel->EnableWindow(bEnable);
    }
}

bool CCfgPage::IsZandiZobraOrPellorAdapter()
{
    return IsZandiZobraOrPellor(theApp.m_device.modelCode);
}

void CCfgPage::FillCombo(int comboId, const ChoiceEntry* choices)
{
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(comboId)))
        ::FillComboFromChoices(*combo, choices);
}

void FillComboFromChoices(CComboBox& combo, const ChoiceEntry* choices)
{
    for (const ChoiceEntry* row = choices; row != nullptr && row->stringId != 0; ++row)
        combo.AddString(AfxLoadString(static_cast<UINT>(row->stringId)));
}

bool IsDisabledTEI(const std::string& text)
{
    return lstrcmpiA(text.c_str(), AfxLoadString(IDS_DISABLED).c_str()) == 0;
}

bool IsUSSwitchType(const std::string& text)
{
    return FindChoice(kNorthAmericanSwitchTypeChoices, text) != nullptr;
}

void EnableParam(int controlId, BOOL bEnable)
{
    if (CCfgParam* pParam = theParams.FindParam(controlId))
        pParam->m_bEnabled = bEnable;
}

void EnableDlgItems(CWnd& dialog, std::span<const int> controlIds, BOOL bEnable)
{
    for (int id : controlIds)
    {
        if (CWnd* control = dialog.GetDlgItem(id))
            control->EnableWindow(bEnable);
    }
}

bool IsDlgItemEnabled(const CWnd& dialog, int controlId)
{
    const CWnd* control = dialog.GetDlgItem(controlId);
    return control != nullptr && control->IsWindowEnabled();
}
