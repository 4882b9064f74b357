// The outcome page for a download that failed on the line or the port.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CConfigErrorPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 147;

    CConfigErrorPage();

    std::string m_strMessage; // static 1139
};
