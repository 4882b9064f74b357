// The network switch type page.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CNetworkSwitchType : public CPropertyPage
{
public:
    static constexpr UINT IDD = 133;

    CNetworkSwitchType();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strSwitchType;   // the chosen switch type, combo 1006
    std::string m_strIntro;        // static 1076
    std::string m_strSwitchLabel;  // static 1075
};
