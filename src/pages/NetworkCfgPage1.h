// The TEI page: data and voice TEI.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CNetworkCfgPage1 : public CPropertyPage
{
public:
    static constexpr UINT IDD = 134;

    CNetworkCfgPage1();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr;  // owning sheet, set by SetSheet when the sheet is built
    CComboBox m_cbVoiceTEI;         // control 1005
    CComboBox m_cbDataTEI;          // control 1004
    std::string m_strDataTEI;       // data TEI choice
    std::string m_strVoiceTEI;      // voice TEI choice
    std::string m_strDataTEILabel;  // static 1081
    std::string m_strIntro;         // static 1078
    std::string m_strVoiceTEILabel; // static 1082
};
