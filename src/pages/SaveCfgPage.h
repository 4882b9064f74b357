// The save page: the name to store the configuration under.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CSaveCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 142;

    CSaveCfgPage();

    int m_bForward = 1;    // 1 after Next, 0 after Back: data are validated only on the way forward
    std::string m_strName; // edit 1041
    std::string m_strIntro;     // static 1128
    std::string m_strNameLabel; // static 1130
};
