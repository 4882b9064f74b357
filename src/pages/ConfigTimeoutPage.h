// The outcome page for a download the adapter did not acknowledge.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CConfigTimeoutPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 146;

    CConfigTimeoutPage();

    std::string m_strMessage; // static 1134
};
