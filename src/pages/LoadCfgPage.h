// The load page: Next sends the configuration to the adapter.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CLoadCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 143;

    CLoadCfgPage();

    std::string m_strText; // static 1131
};
