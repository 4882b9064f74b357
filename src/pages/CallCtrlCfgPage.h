// The call control page.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CCallCtrlCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 137;

    CCallCtrlCfgPage();

    CButton m_btnAutoAnswer;             // check box 1007
    int m_bAutoAnswer = 0;               // check box 1007, 0 or 1
    std::string m_strDialingMethod;      // combo 1009
    int m_nRingsToAnswer = 0;            // edit 1010
    int m_bPersistentDTR = 0;            // check box 1008, 0 or 1
    std::string m_strIntro;              // static 1088
    std::string m_strDialingMethodLabel; // static 1090
    std::string m_strRingsLabel;         // static 1044
    int m_bCallerId = 0;                 // check box 1155, 0 or 1
    std::string m_strInactivityLabel;    // static 1180
    int m_nInactivityTimer = 0;          // edit 1178, minutes
};
