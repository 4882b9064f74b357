// The data protocol page.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CDataProtocolPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 138;

    CDataProtocolPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr;  // owning sheet, set by SetSheet when the sheet is built
    std::string m_strDataProtocol;  // combo 1011
    std::string m_strIntro;         // static 1091
    std::string m_strProtocolLabel; // static 1093
    int m_bAutoDetect = 0;          // check box 1156, 0 or 1
};
