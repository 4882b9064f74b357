// The save page: the name to store the configuration under.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CSaveCfgPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 142;

    CSaveCfgPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    int m_bForward = 1; // 1 after Next, 0 after Back: data are validated only on the way forward
    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strName;         // edit 1041
    std::string m_strIntro;        // static 1128
    std::string m_strNameLabel;    // static 1130
};
