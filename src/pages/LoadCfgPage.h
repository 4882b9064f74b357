// The load page: Next sends the configuration to the adapter.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CLoadCfgPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 143;

    CLoadCfgPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strText;         // static 1131
};
