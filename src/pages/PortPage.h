// The COM port page: the user names the port of the adapter by hand.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CPortPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 182;

    CPortPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built
    std::string m_strSection;      // profile section of the stored port (string 1344)
    std::string m_strKey;          // profile key of the stored port (string 1445)
    int m_nPortIndex = -1;         // selected entry of combo 1161, 0 = COM1; -1 when none
    std::string m_strPrompt;       // static 1163
    std::string m_strLabel;        // static 1162
};
