#include "src/pages/CfgPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/commands/ChoiceTables.h"
#include "src/identify/DeviceTable.h"
#include "src/identify/devid.h"
#include "src/profile/ProfileFile.h"

namespace
{
// The most characters a limited number field takes (more than its largest value needs).
constexpr int kNumberFieldChars = 5;

// The notification with which a control reports the user's change of a parameter of `kind`.
UINT ChangeNotification(ParamKind kind)
{
    switch (kind)
    {
    case ParamKind::Integer:
    case ParamKind::Text:
        return EN_CHANGE;
    case ParamKind::Choice:
        return CBN_SELCHANGE;
    case ParamKind::YesNo:
        return BN_CLICKED;
    case ParamKind::None:
        break;
    }
    return 0;
}
} // namespace

CCfgPage::CCfgPage(UINT nIDTemplate, std::span<const StaticText> staticTexts)
    : CPropertyPage(nIDTemplate), m_staticTexts(staticTexts)
{
}

void CCfgPage::OnSettingChanged()
{
    SetModified(TRUE);
    g_bCfgModified = TRUE;
}

BOOL CCfgPage::OnInitDialog()
{
    const bool positional = IsZandiZobraOrPellorAdapter();
    for (const StaticText& row : m_staticTexts)
    {
        row.text(*this) = positional && row.positional != nullptr ? std::string(row.positional)
                                                                  : AfxLoadString(row.stringId);
    }
    return CPropertyPage::OnInitDialog();
}

BOOL CCfgPage::OnSetActive()
{
    RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return DefaultActivation();
}

void CCfgPage::DoDataExchange(CDataExchange* pDX)
{
    for (const StaticText& row : m_staticTexts)
        DDX_Text(pDX, row.staticId, row.text(*this));
}

// Every parameter control is bound, the calling line identification and auto protocol detection
// boxes included: without the binding a change of either alone would leave the configuration
// unmodified, the route would skip the save page, and the adapter would get a value the profile
// never kept.
BOOL CCfgPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CPropertyPage::OnCommand(wParam, lParam))
        return TRUE;
    const UINT code = HIWORD(wParam);
    const ParamKind kind = CatalogueParamKind(LOWORD(wParam));
    if (kind == ParamKind::None || code != ChangeNotification(kind))
        return FALSE;
    OnSettingChanged();
    return TRUE;
}

BOOL CCfgPage::DefaultActivation()
{
    return CPropertyPage::OnSetActive();
}

void CCfgPage::RequestButtons(DWORD dwFlags)
{
    if (CPropertySheet* sheet = GetSheet())
        sheet->SetWizardButtons(dwFlags);
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
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(comboId));
    if (combo == nullptr)
        return;
    for (const ChoiceEntry* row = choices; row != nullptr && row->stringId != 0; ++row)
        combo->AddString(AfxLoadString(static_cast<UINT>(row->stringId)));
}

void CCfgPage::FillChoiceLists(std::span<const ChoiceList> lists)
{
    for (const ChoiceList& list : lists)
        FillCombo(list.comboId, list.choices);
}

void CCfgPage::ExchangeChoiceLists(CDataExchange* pDX, std::span<const ChoiceList> lists)
{
    for (const ChoiceList& list : lists)
        DDX_CBString(pDX, list.comboId, list.text(*this));
}

void CCfgPage::LimitNumberField(int editId)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(editId)))
        edit->LimitText(kNumberFieldChars);
}

void CCfgPage::SwitchNumbersChannels(std::span<const int> otherSchemeParams,
                                     std::span<const NumbersChannel> channels, int secondDataNumber)
{
    for (int id : otherSchemeParams)
        EnableParam(id, FALSE);
    for (const NumbersChannel& channel : channels)
    {
        const BOOL bEnable = !IsDisabledTEI(Sheet().m_networkCfgPage1.*channel.tei);
        EnableDlgItems(*this, channel.controls, bEnable);
        for (int id : channel.params)
            EnableParam(id, bEnable);
    }
    if (IsZandiZobraOrPellorAdapter())
        EnableParam(secondDataNumber, FALSE);
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

bool AnsweredAsNoKnownAdapter(const DeviceRecord& record, int outcome)
{
    // The model line came and named no adapter (the model code says what it named), or the
    // adapter has an option the wizard does not configure.
    return (outcome == devid_kNotIdentified && record.modelCode != 0) ||
           outcome == devid_kOptionQueryFailed || outcome == devid_kOptionPresent;
}

std::string NoKnownAdapterText(const std::string& port)
{
    return port + " answered, but not as a known adapter";
}

std::string PortNameOf(const DeviceRecord& record)
{
    // "\\.\COM3" is shown as "COM3".
    constexpr size_t kDevicePrefixLength = 4;
    return record.portPath + kDevicePrefixLength;
}

void ShowDlgItems(CWnd& dialog, std::span<const int> controlIds, BOOL bShow)
{
    for (int id : controlIds)
    {
        if (CWnd* control = dialog.GetDlgItem(id))
            control->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }
}

bool IsDlgItemEnabled(const CWnd& dialog, int controlId)
{
    const CWnd* control = dialog.GetDlgItem(controlId);
    return control != nullptr && control->IsWindowEnabled();
}
