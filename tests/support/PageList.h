// The wizard's 21 pages in the sheet's order (a page's index is its place here), with what the
// suites check of every page.
#pragma once

#include "src/res/WizardRes.h"

struct PageRow
{
    UINT templateId;
    const char* className;        // as PageClassName words it
    const char* caption;          // its template's
    const char* buttonsOnArrival; // the sheet buttons a user can use when it is shown, as the
                                  // script's "expect buttons" words them
};

inline constexpr const char* kWizardTitle = "QUORAN Configuration Wizard";

// clang-format off
inline constexpr PageRow kPages[] = {
    {IDD_WELCOME,        "CWelcomePage",           kWizardTitle, "Next,Cancel"},
    {IDD_COM_PORT,       "CPortPage",              kWizardTitle, "Back,Next,Cancel"},
    // Its first showing, while it searches.
    {IDD_SEARCH,         "CIDingPage",             kWizardTitle, "DisabledFinish,Cancel"},
    {IDD_SETUP_TYPE,     "CINISectionPage",        kWizardTitle, "Back,Next,Cancel"},
    {IDD_SWITCH_TYPE,    "CNetworkSwitchType",     kWizardTitle, "Back,Next,Cancel"},
    {IDD_BANDWIDTH,      "CBandwidthPage",         kWizardTitle, "Back,Next,Cancel"},
    {IDD_TEI,            "CNetworkCfgPage1",       kWizardTitle, "Back,Next,Cancel"},
    {IDD_SPID_NUMBERS,   "CNetworkCfgPage2US",     kWizardTitle, "Back,Next,Cancel"},
    {IDD_MSN_NUMBERS,    "CNetworkCfgPage2Europe", kWizardTitle, "Back,Next,Cancel"},
    {IDD_CALL_CONTROL,   "CCallCtrlCfgPage",       kWizardTitle, "Back,Next,Cancel"},
    {IDD_DATA_PROTOCOL,  "CDataProtocolPage",      kWizardTitle, "Back,Next,Cancel"},
    {IDD_STORED_NUMBERS, "CStoredNumbersPage",     "-",          "Back,Next,Cancel"},
    {IDD_SERIAL_SIGNALS, "CPortCtrlCfgPage1",      kWizardTitle, "Back,Next,Cancel"},
    {IDD_SERIAL_FORMAT,  "CPortCtrlCfgPage2",      kWizardTitle, "Back,Next,Cancel"},
    {IDD_POTS_PORT,      "CPOTSPortPage",          kWizardTitle, "Back,Next,Cancel"},
    {IDD_SAVE,           "CSaveCfgPage",           kWizardTitle, "Back,Next,Cancel"},
    {IDD_LOAD,           "CLoadCfgPage",           kWizardTitle, "Back,Next,Cancel"},
    {IDD_CONFIGURING,    "CConfigingPage",         kWizardTitle, "DisabledFinish,Cancel"},
    // No Back to a second download.
    {IDD_SUCCESS,        "CConfigSuccessPage",     kWizardTitle, "Finish"},
    {IDD_ERROR,          "CConfigErrorPage",       kWizardTitle, "Finish"},
    {IDD_TIMEOUT,        "CConfigTimeoutPage",     kWizardTitle, "Finish"},
};
// clang-format on
