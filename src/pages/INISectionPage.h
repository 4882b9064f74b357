// The setup type page: the kind of setup and the configuration to start from. Next opens the
// chosen configuration in every settings page at once (after asking before unsaved changes are
// dropped); for the express setup it also works out what the pages it skips would have decided,
// and goes straight to the numbers. The page can delete a configuration.
//
// m_strConfigName is the profile section that every setting of the catalogue reads and writes:
// the name of the configuration the pages hold.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

// The setup types, in the order of the setup combo box.
inline constexpr int kSetupCustomNew = 0;
inline constexpr int kSetupCustomExisting = 1;
inline constexpr int kSetupExpressExisting = 2;

class CINISectionPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SETUP_TYPE;

    CINISectionPage();

    // The setup types into the combo box, "Express (Existing)" chosen.
    BOOL OnInitDialog() override;
    // Back and Next; lists the configurations of the profile (new ones are added, the list
    // never loses an item here) and selects the first, then the default activation, which
    // selects the current configuration again. A profile without any section instead gives
    // "Custom (New)" with the list and Delete disabled, without the default activation.
    BOOL OnSetActive() override;
    // Opens the chosen configuration when the choice or the pages changed since the last load
    // (asking first when the pages were modified; No keeps the modified values and goes on),
    // then routes: custom setups to the next page (0), the express setup with its flags and
    // parameter switches set to the page that asks for the numbers (-1). An existing setup
    // without a chosen configuration returns 0 with nothing done; the data exchange then keeps
    // the page.
    LRESULT OnWizardNext() override;
    // Back to the COM port page when the user named the port (-1), else to the search page (0).
    LRESULT OnWizardBack() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Asks whether the modifications of the pages may be dropped for the configuration now
    // chosen: IDYES or IDNO, or 0 when the choice is the configuration already open. Only
    // meaningful while g_bCfgModified is set.
    int ConfirmDiscard();

    // 1 after Next, 0 after Back: data are validated only on the way forward.
    int m_bForward = 1;
    // The configuration last loaded, and its setup type (-1 before any load).
    std::string m_strLoadedConfig;
    int m_nLoadedSetupType = -1;
    // The setup type now chosen: 0 Custom (New), 1 Custom (Existing), 2 Express (Existing).
    int m_nSetupType = 0;
    CListBox m_lbConfigs; // configuration names, control IDC_CONFIG_LIST
    CComboBox m_cbSetup;  // setup types, control IDC_SETUP_TYPE
    CButton m_btnDelete;  // control IDC_DELETE_CONFIG
    // The configuration now chosen: the profile section of every setting.
    std::string m_strConfigName;
    std::string m_strIntro;       // static IDC_SETUP_INTRO
    std::string m_strConfigLabel; // static IDC_CONFIG_LIST_LABEL
    std::string m_strSetupLabel;  // static IDC_SETUP_TYPE_LABEL

protected:
    // Selection change of the setup combo: the list and Delete are usable for the existing
    // setups only. Does not mark the configuration modified.
    void OnSelchangeSetup();
    // Deletes the selected configuration after asking; factory defaults are never deleted. When
    // the list is left empty, only "Custom (New)" remains: the combo shows it and the combo, the
    // list and Delete are disabled.
    void OnDeleteConfig();

private:
    // Enables or disables the configuration list and the Delete button together.
    void EnableConfigChoice(BOOL bEnable);
    // After a No to ConfirmDiscard: the page's choice goes back to the configuration the pages
    // hold (m_strLoadedConfig; a new one when that is unnamed), in the members and the controls.
    void KeepLoadedConfiguration();
    // What the pages skipped by the express setup would have decided, from the values loaded:
    // the sheet's TEI and switch type flags, and which parameters are sent.
    void PrepareExpressSetup();
    // The page of the express setup that follows this one.
    CPropertyPage& ExpressTarget() const;

    DECLARE_MESSAGE_MAP()
};
