// The port search page: identifies adapters on every COM port at once and lists them.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CIDingPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 148;

    CIDingPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    UINT m_nTimerID = 1;           // identifier of the page's search timer
    int m_nTicks = 0;              // timer ticks since the search started
    BYTE m_bSearchPending = TRUE;  // TRUE until the first activation starts the search
    CListCtrl m_listDevices;       // control 1189, the adapters found
    CButton m_groupDevices;        // control 1190, group box around the list
    std::string m_strPrompt;       // static 1147
    std::string m_strHint;         // static 1149
};
