// The port search page: identifies adapters on every COM port at once and lists them.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CIDingPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 148;

    CIDingPage();

    UINT m_nTimerID = 1;          // identifier of the page's search timer
    int m_nTicks = 0;             // timer ticks since the search started
    BYTE m_bSearchPending = TRUE; // TRUE until the first activation starts the search
    CListCtrl m_listDevices;      // control 1189, the adapters found
    CButton m_groupDevices;       // control 1190, group box around the list
    std::string m_strPrompt;      // static 1147
    std::string m_strHint;        // static 1149
};
