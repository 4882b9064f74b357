// The stored numbers page: ten numbers kept in the adapter.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CStoredNumbersPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 139;

    CStoredNumbersPage();

    std::string m_strNumber[10];     // element i is stored number i, edit 1012 + i
    std::string m_strDigitLabel[10]; // element i labels number i, static 1097 + i
    std::string m_strIntro;          // static 1094
    std::string m_strNote;           // static 1107
};
