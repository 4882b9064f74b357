// The sheet's pages as the wizard orders them, for the app suites.
#pragma once

#include "src/app/CfgSheet.h"

#include <array>

struct PageOrderRow
{
    UINT templateId;
    const char* title;
};

inline constexpr const char* kWizardTitle = "QUORAN Configuration Wizard";

// clang-format off
inline constexpr std::array<PageOrderRow, 21> kPageOrder = {{
    {IDD_WELCOME, kWizardTitle},
    {IDD_COM_PORT, kWizardTitle},
    {IDD_SEARCH, kWizardTitle},
    {IDD_SETUP_TYPE, kWizardTitle},
    {IDD_SWITCH_TYPE, kWizardTitle},
    {IDD_BANDWIDTH, kWizardTitle},
    {IDD_TEI, kWizardTitle},
    {IDD_SPID_NUMBERS, kWizardTitle},
    {IDD_MSN_NUMBERS, kWizardTitle},
    {IDD_CALL_CONTROL, kWizardTitle},
    {IDD_DATA_PROTOCOL, kWizardTitle},
    {IDD_STORED_NUMBERS, "-"},
    {IDD_SERIAL_SIGNALS, kWizardTitle},
    {IDD_SERIAL_FORMAT, kWizardTitle},
    {IDD_POTS_PORT, kWizardTitle},
    {IDD_SAVE, kWizardTitle},
    {IDD_LOAD, kWizardTitle},
    {IDD_CONFIGURING, kWizardTitle},
    {IDD_SUCCESS, kWizardTitle},
    {IDD_ERROR, kWizardTitle},
    {IDD_TIMEOUT, kWizardTitle},
}};
// clang-format on

// Calls visit(page) for every page member of the sheet, in declaration order.
template <class Visit> void ForEachPage(CCfgSheet& sheet, Visit visit)
{
    visit(sheet.m_welcomePage);
    visit(sheet.m_idingPage);
    visit(sheet.m_portPage);
    visit(sheet.m_potsPortPage);
    visit(sheet.m_bandwidthPage);
    visit(sheet.m_iniSectionPage);
    visit(sheet.m_networkSwitchTypePage);
    visit(sheet.m_networkCfgPage1);
    visit(sheet.m_networkCfgPage2US);
    visit(sheet.m_networkCfgPage2Europe);
    visit(sheet.m_callCtrlCfgPage);
    visit(sheet.m_dataProtocolPage);
    visit(sheet.m_storedNumbersPage);
    visit(sheet.m_portCtrlCfgPage1);
    visit(sheet.m_portCtrlCfgPage2);
    visit(sheet.m_saveCfgPage);
    visit(sheet.m_loadCfgPage);
    visit(sheet.m_configingPage);
    visit(sheet.m_configSuccessPage);
    visit(sheet.m_configErrorPage);
    visit(sheet.m_configTimeoutPage);
}
