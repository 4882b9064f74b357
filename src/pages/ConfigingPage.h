// The configuring page: waits for the download and moves on to its outcome.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CConfigingPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 144;

    CConfigingPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    UINT m_nTimerID = 1;           // identifier of the page's wait timer
    int m_nTicks = 0;              // timer ticks since activation
    std::string m_strStatus;       // static 1132
};
