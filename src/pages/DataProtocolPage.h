// The data protocol page.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CDataProtocolPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 138;

    CDataProtocolPage();

    std::string m_strDataProtocol;  // combo 1011
    std::string m_strIntro;         // static 1091
    std::string m_strProtocolLabel; // static 1093
    int m_bAutoDetect = 0;          // check box 1156, 0 or 1
};
