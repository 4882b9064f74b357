// Small pages and templates for the framework's tests: three pages whose every framework call
// is written to a shared event log, with switches for what their overridables return.
#pragma once

#include "framework/Afx.h"
#include "framework/headless/SheetController.h"
#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testpages
{
inline constexpr UINT kFirstTemplate = 500;
inline constexpr UINT kSecondTemplate = 501;
inline constexpr UINT kThirdTemplate = 502;
inline constexpr UINT kIcon = 128;

inline constexpr int kName = 1001;   // edit
inline constexpr int kLabel = 1002;  // static
inline constexpr int kApply = 1003;  // push button
inline constexpr int kCount = 1010;  // edit (int)
inline constexpr int kChoice = 1011; // sorted drop-down list
inline constexpr int kList = 1012;   // sorted notifying list box
inline constexpr int kOption = 1013; // auto check box
inline constexpr int kQuiet = 1014;  // list box without LBS_NOTIFY
inline constexpr int kRadioA = 1020; // first group: 1020..1022
inline constexpr int kRadioB = 1021;
inline constexpr int kRadioC = 1022;
inline constexpr int kRadioD = 1023; // second group: 1023..1024
inline constexpr int kRadioE = 1024;
inline constexpr int kDevices = 1025; // list view, single selection
inline constexpr int kPicture = 1026; // bitmap static

inline constexpr UINT kHelloString = 900;

// clang-format off
inline constexpr DialogItem kFirstItems[] = {
    {"Name:",  kLabel, ControlClass::Static, WS_VISIBLE | SS_LEFT, 5, 5, 40, 8, 0},
    {"",       kName,  ControlClass::Edit,   WS_VISIBLE | WS_TABSTOP | WS_BORDER, 50, 5, 80, 12, 0},
    {"Apply",  kApply, ControlClass::Button, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 140, 5, 40, 14, 0},
    {"",       kPicture, ControlClass::Static, WS_VISIBLE | SS_BITMAP, 1, 1, 20, 20, kIcon},
};
inline constexpr DialogItem kSecondItems[] = {
    {"",       kCount,  ControlClass::Edit,     WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 40, 12, 0},
    {"",       kChoice, ControlClass::ComboBox, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT, 5, 20, 60, 50, 0},
    {"",       kList,   ControlClass::ListBox,  WS_VISIBLE | WS_TABSTOP | LBS_SORT | LBS_NOTIFY, 5, 40, 60, 40, 0},
    {"Option", kOption, ControlClass::Button,   WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 80, 5, 50, 10, 0},
    {"",       kQuiet,  ControlClass::ListBox,  WS_VISIBLE | WS_TABSTOP, 80, 40, 60, 40, 0},
};
inline constexpr DialogItem kThirdItems[] = {
    {"A", kRadioA, ControlClass::Button, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 5, 5, 30, 10, 0},
    {"B", kRadioB, ControlClass::Button, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 17, 30, 10, 0},
    {"C", kRadioC, ControlClass::Button, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 29, 30, 10, 0},
    {"D", kRadioD, ControlClass::Button, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 50, 5, 30, 10, 0},
    {"E", kRadioE, ControlClass::Button, WS_VISIBLE | BS_AUTORADIOBUTTON, 50, 17, 30, 10, 0},
    {"",  kDevices, ControlClass::ListView, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 100, 5, 120, 60, 0},
};
inline constexpr DialogTemplate kTemplates[] = {
    {kFirstTemplate,  "First Page",  266, 150, kFirstItems},
    {kSecondTemplate, "Second Page", 266, 150, kSecondItems},
    {kThirdTemplate,  "Third Page",  266, 150, kThirdItems},
};
inline constexpr StringResource kStrings[] = {
    {kHelloString, "Hello"},
};
inline constexpr ImageResource kImages[] = {
    {kIcon, "<svg xmlns='http://www.w3.org/2000/svg'/>"},
};
// clang-format on

inline void InstallResources()
{
    AfxSetResources(ResourceTables{kStrings, kTemplates, kImages});
}

// A page that logs its life and its notifications, with switchable answers.
class LoggingPage : public CPropertyPage
{
public:
    LoggingPage(UINT templateId, std::vector<std::string>& log)
        : CPropertyPage(templateId), m_log(log)
    {
    }

    BOOL OnInitDialog() override
    {
        Log("init", GetDlgItem(kName) != nullptr || GetDlgItem(kCount) != nullptr ||
                            GetDlgItem(kRadioA) != nullptr
                        ? "controls"
                        : "no controls");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        Log("setactive");
        if (m_buttonsOnActivate != 0)
        {
            static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_buttonsOnActivate);
        }
        if (m_refuseActivation)
        {
            return FALSE;
        }
        if (m_skipDefaultActivation)
        {
            return TRUE;
        }
        return CPropertyPage::OnSetActive();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_logExchange)
        {
            Log(pDX->m_bSaveAndValidate ? "save" : "load");
        }
    }
    BOOL OnKillActive() override
    {
        Log("killactive");
        return m_vetoKillActive ? FALSE : CPropertyPage::OnKillActive();
    }
    LRESULT OnWizardNext() override
    {
        Log("next");
        if (m_jumpOnNext >= 0)
        {
            static_cast<CPropertySheet*>(GetParent())->SetActivePage(m_jumpOnNext);
            return -1;
        }
        return m_nextResult;
    }
    LRESULT OnWizardBack() override
    {
        Log("back");
        return m_backResult;
    }
    BOOL OnWizardFinish() override
    {
        Log("finish");
        return m_finishResult;
    }
    void OnTimer(UINT_PTR id) override
    {
        Log("timer", std::to_string(id) + "@" + std::to_string(TestHost().Now()));
        if (m_killTimerAfter > 0 && ++m_ticks >= m_killTimerAfter)
        {
            KillTimer(id);
        }
    }

    void Log(const std::string& what, const std::string& detail = std::string())
    {
        std::string entry = what + ":" + std::to_string(GetTemplateId());
        if (!detail.empty())
        {
            entry += ":" + detail;
        }
        m_log.push_back(entry);
    }

    BOOL m_vetoKillActive = FALSE;
    BOOL m_refuseActivation = FALSE;      // OnSetActive answers FALSE
    BOOL m_skipDefaultActivation = FALSE; // OnSetActive answers TRUE without the base
    BOOL m_logExchange = FALSE;           // DoDataExchange logs "load" or "save"
    LRESULT m_nextResult = 0;
    LRESULT m_backResult = 0;
    BOOL m_finishResult = TRUE;
    int m_jumpOnNext = -1;
    DWORD m_buttonsOnActivate = 0;
    int m_killTimerAfter = 0;
    int m_ticks = 0;

protected:
    std::vector<std::string>& m_log;
};

// A sheet of three logging pages, set up with the test resources.
class SheetTest : public testing::Test
{
protected:
    SheetTest()
        : first(kFirstTemplate, log), second(kSecondTemplate, log), third(kThirdTemplate, log),
          sheet("Test Sheet"), controller(sheet)
    {
        InstallResources();
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&third);
        sheet.SetWizardMode();
    }

    HeadlessHost& host = TestHost();
    std::vector<std::string> log;
    LoggingPage first;
    LoggingPage second;
    LoggingPage third;
    CPropertySheet sheet;
    SheetController controller;
};
} // namespace testpages
