// The load page: Next packs the configuration into command lines and starts sending them to the
// adapter; from there on there is no way back.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CLoadCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_LOAD;

    CLoadCfgPage();

    // Packs the enabled parameters into theApp.m_device.cmdLines and starts the download worker
    // on theApp.m_device; the configuring page follows.
    LRESULT OnWizardNext() override;
    // Modified: the save page. Unmodified: the data protocol page (express setup) or the POTS
    // port page (custom setup, whatever the model).
    LRESULT OnWizardBack() override;

    std::string m_strText; // static IDC_LOAD_PROMPT
};
