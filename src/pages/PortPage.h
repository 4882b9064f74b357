// The COM port page: the user names the port of the adapter by hand.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPortPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 182;

    CPortPage();

    std::string m_strSection; // profile section of the stored port (string 1344)
    std::string m_strKey;     // profile key of the stored port (string 1445)
    int m_nPortIndex = -1;    // selected entry of combo 1161, 0 = COM1; -1 when none
    std::string m_strPrompt;  // static 1163
    std::string m_strLabel;   // static 1162
};
