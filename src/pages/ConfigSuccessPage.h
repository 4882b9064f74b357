// The outcome page for a configuration the adapter accepted.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CConfigSuccessPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 145;

    CConfigSuccessPage();

    std::string m_strMessage; // static 1137
};
