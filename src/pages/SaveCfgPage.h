// The save page: the name to store the edited configuration under. Leaving it with Next saves
// every setting of the catalogue into that section of the profile; the page is shown only when
// something was modified since the configuration was opened.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CSaveCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SAVE;

    CSaveCfgPage();

    // On every activation: proposes the current configuration name ("Untitled" instead of a
    // factory default, nothing for a new configuration), shows it, requests Back and Next.
    BOOL OnSetActive() override;
    // Saving happens in the data exchange that follows: returns 0, the load page follows.
    LRESULT OnWizardNext() override;
    // Back to the data protocol page in the express setup (-1), to the serial format page for
    // the models without a POTS port (-1), otherwise to the POTS port page (0). Nothing is
    // written.
    LRESULT OnWizardBack() override;
    // When leaving by Next: trims the name, refuses a factory default, checks it
    // (CIniItem::ValidateConfigName, which may ask before overwriting), then makes it the
    // current configuration name and saves every setting under it. Every refusal, and a
    // profile that cannot be written, shows its message and fails with the name field focused;
    // the current configuration name then stays as it was.
    void DoDataExchange(CDataExchange* pDX) override;

    int m_bForward = 1;    // 1 after Next, 0 after Back: data are validated only on the way forward
    std::string m_strName; // edit IDC_CONFIG_NAME
    std::string m_strIntro;     // static IDC_SAVE_INTRO
    std::string m_strNameLabel; // static IDC_CONFIG_NAME_LABEL

private:
    // The save sequence for m_strName; FALSE after its message.
    BOOL SaveConfiguration();
};
