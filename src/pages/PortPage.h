// The COM port page: the user names the port of the adapter by hand, and Next identifies the
// adapter on that port before the wizard goes on.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_COM_PORT;

    CPortPage();

    // The 36 port names COM1 to COM36, and the port stored under "Default Configs",
    // key "Port", of the profile beside the executable preselected (no entry when the stored
    // index is not 0 to 35 or not a number). The stored port is never written back.
    BOOL OnInitDialog() override;
    // Identifies the adapter on the chosen port now, while the window waits busy. Identified:
    // it becomes theApp.m_device, the catalogue is rebuilt for it and the setup type page is
    // made current. Otherwise "Error invalid device." (with why, as its details) and the page
    // stays. Returns -1 either way.
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strSection; // profile section of the stored port (IDS_DEFAULT_CONFIGS_SECTION)
    std::string m_strKey;     // profile key of the stored port (IDS_PORT_KEY)
    int m_nPortIndex = -1;    // selected entry of combo IDC_PORT, 0 = COM1; -1 when none
    std::string m_strPrompt;  // static IDC_PORT_PROMPT
    std::string m_strLabel;   // static IDC_PORT_LABEL

private:
    // Why the adapter on the record's port was not identified (`outcome`), in words; "" when no
    // port was chosen.
    static std::string InvalidDeviceDetails(const DeviceRecord& record, int outcome);
};
