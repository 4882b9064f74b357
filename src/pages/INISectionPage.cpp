#include "src/pages/INISectionPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileFile.h"
#include "src/profile/ProfileMessages.h"

#include <vector>

namespace
{
// Catalogue parameters that the express setup switches on and off.

// The setup types; the value is the position in the setup combo box.
const ChoiceEntry kSetupTypeChoices[] = {
    {IDS_SETUP_CUSTOM_NEW, kSetupCustomNew},
    {IDS_SETUP_CUSTOM_EXISTING, kSetupCustomExisting},
    {IDS_SETUP_EXPRESS_EXISTING, kSetupExpressExisting},
    {0, 0},
};

// clang-format off
constexpr StaticText kStaticTexts[] = {
    {IDC_SETUP_INTRO,       IDS_SETUP_INTRO,       TextOf<&CINISectionPage::m_strIntro>()},
    {IDC_SETUP_TYPE_LABEL,  IDS_SETUP_TYPE_LABEL,  TextOf<&CINISectionPage::m_strSetupLabel>()},
    {IDC_CONFIG_LIST_LABEL, IDS_CONFIG_LIST_LABEL, TextOf<&CINISectionPage::m_strConfigLabel>()},
};
// clang-format on

// The questions before modifications are dropped. The loaded and the chosen setup are either
// "Custom (New)" or not (an existing configuration, or nothing loaded yet); the two names, of
// the loaded and the chosen configuration, are compared with letter case. The first row that
// fits decides; question 0 asks nothing. Each %s of a question takes a name, in turn.
enum class Setup
{
    New,
    NotNew,
};

enum class Names
{
    Same,
    Different,
    Either,
};

enum class Name
{
    Loaded,
    Chosen,
};

struct DiscardRule
{
    Setup loaded;
    Setup chosen;
    Names names;
    UINT question;
    Name first;  // the name of the first %s
    Name second; // the name of the second %s
};

// clang-format off
constexpr DiscardRule kDiscardRules[] = {
    // loaded        chosen         names             question  first          second
    {Setup::NotNew,  Setup::NotNew, Names::Different, IDS_DISCARD_NAMED_FOR_NAMED,     Name::Loaded,  Name::Chosen},
    {Setup::NotNew,  Setup::New,    Names::Either,    IDS_DISCARD_NAMED_FOR_NEW,     Name::Loaded,  Name::Loaded},
    {Setup::NotNew,  Setup::NotNew, Names::Same,      0,        Name::Loaded,  Name::Loaded},
    {Setup::New,     Setup::NotNew, Names::Either,    IDS_DISCARD_CURRENT_FOR_NAMED,     Name::Chosen,  Name::Chosen},
    {Setup::New,     Setup::New,    Names::Different, IDS_DISCARD_CURRENT_FOR_NEW,     Name::Loaded,  Name::Loaded},
    {Setup::New,     Setup::New,    Names::Same,      0,        Name::Loaded,  Name::Loaded},
};
// clang-format on

Setup SetupOf(int setupType)
{
    return setupType == kSetupCustomNew ? Setup::New : Setup::NotNew;
}

bool Fits(const DiscardRule& rule, Setup loaded, Setup chosen, bool sameNames)
{
    const bool namesFit = rule.names == Names::Either || (rule.names == Names::Same) == sameNames;
    return rule.loaded == loaded && rule.chosen == chosen && namesFit;
}

// The format with its first %s replaced by `first` and its second by `second`. The names are
// inserted as they are, so a name with a % in it comes out unchanged.
std::string FillNames(const std::string& format, const std::string& first,
                      const std::string& second)
{
    std::string text;
    size_t start = 0;
    for (const std::string* name : {&first, &second})
    {
        const size_t mark = format.find("%s", start);
        if (mark == std::string::npos)
            break;
        text.append(format, start, mark - start);
        text += *name;
        start = mark + 2;
    }
    text.append(format, start, std::string::npos);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CINISectionPage, CCfgPage)
ON_CBN_SELCHANGE(IDC_SETUP_TYPE, &CINISectionPage::OnSelchangeSetup)
ON_BN_CLICKED(IDC_DELETE_CONFIG, &CINISectionPage::OnDeleteConfig)
END_MESSAGE_MAP()

CINISectionPage::CINISectionPage() : CCfgPage(IDD, kStaticTexts) {}

BOOL CINISectionPage::OnInitDialog()
{
    FillCombo(IDC_SETUP_TYPE, kSetupTypeChoices);
    // The combo's selection is no member of the exchange: the page sets it.
    static_cast<CComboBox*>(GetDlgItem(IDC_SETUP_TYPE))->SetCurSel(kSetupExpressExisting);
    m_nSetupType = kSetupExpressExisting;
    return CCfgPage::OnInitDialog();
}

BOOL CINISectionPage::OnSetActive()
{
    if (ReadSectionNames(g_profilePath).empty())
    {
        RequestButtons(PSWIZB_BACK | PSWIZB_NEXT);
        m_cbSetup.SetCurSel(kSetupCustomNew);
        m_nSetupType = kSetupCustomNew;
        EnableConfigChoice(FALSE);
        // Without the default activation, as ever; the next activation then counts as the
        // first again and moves no member into the controls.
        return TRUE;
    }
    for (const std::string& name : ListConfigurations(g_profilePath))
    {
        if (m_lbConfigs.FindStringExact(-1, name) == LB_ERR)
            m_lbConfigs.AddString(name);
    }
    // Deleting the last configuration disabled the setup choice; once there is a
    // configuration again (one saved since), it can be opened again.
    if (m_lbConfigs.GetCount() > 0)
        m_cbSetup.EnableWindow(TRUE);
    m_lbConfigs.SetCurSel(0);
    return CCfgPage::OnSetActive();
}

void CINISectionPage::OnSelchangeSetup()
{
    m_nSetupType = m_cbSetup.GetCurSel();
    EnableConfigChoice(m_nSetupType != kSetupCustomNew);
}

void CINISectionPage::OnDeleteConfig()
{
    const int selected = m_lbConfigs.GetCurSel();
    if (selected != LB_ERR)
    {
        m_strConfigName = m_lbConfigs.GetText(selected);
        if (IsFactoryDefaultConfig(m_strConfigName))
        {
            AfxMessageBox(IDS_DEFAULT_NOT_DELETED, MB_OK);
            return;
        }
        // A question whose Yes destroys: No is its default.
        if (AfxMessageBox(FormatStringResource(IDS_DELETE_QUESTION, m_strConfigName),
                          MB_YESNO | MB_DEFBUTTON2) != IDYES)
            return;
        if (!WritePrivateProfileStringA(m_strConfigName.c_str(), nullptr, nullptr,
                                        g_profilePath.c_str()))
        {
            // The section is still there, so the list keeps offering it.
            ReportDeleteFailure();
            return;
        }
        const int left = m_lbConfigs.DeleteString(static_cast<UINT>(selected));
        m_lbConfigs.SetCurSel(selected < left ? selected : left - 1);
    }
    if (m_lbConfigs.GetCount() == 0)
    {
        // m_nSetupType stays: Next reads the combo again.
        m_cbSetup.SetCurSel(kSetupCustomNew);
        m_cbSetup.EnableWindow(FALSE);
        EnableConfigChoice(FALSE);
    }
}

int CINISectionPage::ConfirmDiscard()
{
    const Setup loaded = SetupOf(m_nLoadedSetupType);
    const Setup chosen = SetupOf(m_nSetupType);
    const bool sameNames = m_strConfigName == m_strLoadedConfig;
    for (const DiscardRule& rule : kDiscardRules)
    {
        if (!Fits(rule, loaded, chosen, sameNames))
            continue;
        if (rule.question == 0)
            return 0;
        auto nameOf = [this](Name name) -> const std::string& {
            return name == Name::Loaded ? m_strLoadedConfig : m_strConfigName;
        };
        return AfxMessageBox(
            FillNames(AfxLoadString(rule.question), nameOf(rule.first), nameOf(rule.second)),
            MB_YESNO);
    }
    return 0;
}

LRESULT CINISectionPage::OnWizardNext()
{
    m_bForward = 1;
    m_nSetupType = m_cbSetup.GetCurSel();
    if (m_nSetupType != kSetupCustomNew)
    {
        const int selected = m_lbConfigs.GetCurSel();
        if (selected == LB_ERR)
            return 0;
        m_strConfigName = m_lbConfigs.GetText(selected);
    }
    else
    {
        m_strConfigName.clear();
    }

    if (m_nSetupType != m_nLoadedSetupType || m_strConfigName != m_strLoadedConfig ||
        g_bCfgModified)
    {
        if (m_nSetupType != kSetupCustomNew && m_strConfigName.empty())
            return 0;
        // A No keeps the modified values on the pages, and the wizard still goes on.
        if (!g_bCfgModified || ConfirmDiscard() == IDYES)
        {
            theParams.LoadAll();
            m_strLoadedConfig = m_strConfigName;
            m_nLoadedSetupType = m_nSetupType;
            g_bCfgModified = FALSE;
        }
        else
        {
            KeepLoadedConfiguration();
        }
    }

    Sheet().m_bExpressSetup = FALSE;
    if (m_nSetupType != kSetupExpressExisting)
        return 0;
    Sheet().m_bExpressSetup = TRUE;
    PrepareExpressSetup();
    return JumpTo(ExpressTarget());
}

LRESULT CINISectionPage::OnWizardBack()
{
    m_bForward = 0;
    if (!Sheet().m_welcomePage.m_bSearch)
        return JumpTo(Sheet().m_portPage);
    return 0;
}

void CINISectionPage::DoDataExchange(CDataExchange* pDX)
{
    CCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONFIG_LIST, m_lbConfigs);
    DDX_Control(pDX, IDC_SETUP_TYPE, m_cbSetup);
    DDX_Control(pDX, IDC_DELETE_CONFIG, m_btnDelete);
    // A new configuration has no name until it is saved: the item the disabled list still
    // shows selected must not become the section that the settings are written to.
    if (!pDX->m_bSaveAndValidate || m_nSetupType != kSetupCustomNew)
        DDX_LBString(pDX, IDC_CONFIG_LIST, m_strConfigName);

    if (!pDX->m_bSaveAndValidate || m_bForward != 1)
        return;
    const bool choiceChanged = m_nSetupType != m_nLoadedSetupType ||
                               m_strConfigName != m_strLoadedConfig || g_bCfgModified;
    if (choiceChanged && m_nSetupType != kSetupCustomNew && m_strConfigName.empty())
    {
        AfxMessageBox(IDS_SELECT_CONFIG, MB_OK);
        pDX->Fail();
    }
}

void CINISectionPage::KeepLoadedConfiguration()
{
    // The pages hold the loaded configuration's values, modified: its name stays the section they
    // are saved to, so that the configuration the user declined to open is never overwritten
    // with them. An unnamed new configuration stays a new one, as an existing type needs a name.
    m_strConfigName = m_strLoadedConfig;
    if (m_nLoadedSetupType == kSetupCustomNew)
    {
        m_nSetupType = kSetupCustomNew;
        m_cbSetup.SetCurSel(kSetupCustomNew);
        EnableConfigChoice(FALSE);
        return;
    }
    // The exchange that follows takes the name from the list's selection.
    m_lbConfigs.SetCurSel(m_lbConfigs.FindStringExact(-1, m_strLoadedConfig));
}

void CINISectionPage::EnableConfigChoice(BOOL bEnable)
{
    m_lbConfigs.EnableWindow(bEnable);
    m_btnDelete.EnableWindow(bEnable);
}

void CINISectionPage::PrepareExpressSetup()
{
    CCfgSheet& sheet = Sheet();
    // Auto answer and rings to answer make the same adapter setting: exactly one is sent.
    const bool autoAnswer = sheet.m_callCtrlCfgPage.m_bAutoAnswer == 1;
    EnableParam(IDC_AUTO_ANSWER, !autoAnswer);
    EnableParam(IDC_RINGS_TO_ANSWER, autoAnswer);

    sheet.m_bTEIDisabled = IsDisabledTEI(sheet.m_networkCfgPage1.m_strDataTEI) &&
                           IsDisabledTEI(sheet.m_networkCfgPage1.m_strVoiceTEI);
    sheet.m_bUSSwitchType = IsUSSwitchType(sheet.m_networkSwitchTypePage.m_strSwitchType);

    // An empty number is not sent. A number that is not empty is sent even when an earlier
    // pass through the stored numbers page switched it off for another configuration.
    for (int i = 0; i < kStoredNumberCount; ++i)
        EnableParam(IDC_STORED_NUMBER_0 + i, !sheet.m_storedNumbersPage.m_strNumber[i].empty());
}

CPropertyPage& CINISectionPage::ExpressTarget() const
{
    CCfgSheet& sheet = Sheet();
    if (!IsZandiZobraOrPellorAdapter())
        return sheet.m_bandwidthPage;
    if (sheet.m_bTEIDisabled)
        return sheet.m_dataProtocolPage;
    if (sheet.m_bUSSwitchType)
        return sheet.m_networkCfgPage2US;
    return sheet.m_networkCfgPage2Europe;
}
