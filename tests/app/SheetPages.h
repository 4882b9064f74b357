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
    {130, kWizardTitle}, {182, kWizardTitle}, {148, kWizardTitle}, {132, kWizardTitle},
    {133, kWizardTitle}, {185, kWizardTitle}, {134, kWizardTitle}, {135, kWizardTitle},
    {136, kWizardTitle}, {137, kWizardTitle}, {138, kWizardTitle}, {139, "-"},
    {140, kWizardTitle}, {141, kWizardTitle}, {183, kWizardTitle}, {142, kWizardTitle},
    {143, kWizardTitle}, {144, kWizardTitle}, {145, kWizardTitle}, {147, kWizardTitle},
    {146, kWizardTitle},
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
