// The stored numbers page: ten numbers kept in the adapter.
#pragma once

#include "framework/Afx.h"

#include <string>

class CCfgSheet;

class CStoredNumbersPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 139;

    CStoredNumbersPage();

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    CCfgSheet* m_pSheet = nullptr;   // owning sheet, set by SetSheet when the sheet is built
    std::string m_strNumber[10];     // element i is stored number i, edit 1012 + i
    std::string m_strDigitLabel[10]; // element i labels number i, static 1097 + i
    std::string m_strIntro;          // static 1094
    std::string m_strNote;           // static 1107
};
