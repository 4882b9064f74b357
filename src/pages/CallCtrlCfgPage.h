// The call control page: how the adapter places and answers data calls. Auto answer and the
// number of rings are one adapter setting ("S0="): exactly one of their two parameters is sent,
// auto answer itself (as 0) when it is off, the rings when it is on.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CCallCtrlCfgPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_CALL_CONTROL;

    CCallCtrlCfgPage();

    // Fills the dialing methods and limits the rings field to a number field's characters.
    BOOL OnInitDialog() override;
    // Shows the members, then greys the rings field unless auto answer is checked.
    BOOL OnSetActive() override;
    // Back to the page the route came from: the TEI page when both TEIs are "Disabled", else
    // the SPID page for a North American switch, else the MSN page.
    LRESULT OnWizardBack() override;
    // Whenever the page is left: both numbers must be integers within their parameters'
    // ranges (the rings are checked even while greyed), and auto answer decides which of its
    // own parameter and the rings' is sent. The first failure shows its message and keeps the
    // page on that field.
    void DoDataExchange(CDataExchange* pDX) override;

    // A click on the auto answer box: a setting changed (this handler takes the page base's
    // place for the box), then the rings field follows the box.
    void OnAutoAnswerClicked();

    CButton m_btnAutoAnswer;             // check box IDC_AUTO_ANSWER
    int m_bAutoAnswer = 0;               // check box IDC_AUTO_ANSWER, 0 or 1
    std::string m_strDialingMethod;      // combo IDC_DIALING_METHOD
    int m_nRingsToAnswer = 0;            // edit IDC_RINGS_TO_ANSWER
    int m_bPersistentDTR = 0;            // check box IDC_PERSISTENT_DTR, 0 or 1
    std::string m_strIntro;              // static IDC_CALL_INTRO
    std::string m_strDialingMethodLabel; // static IDC_DIALING_METHOD_LABEL
    std::string m_strRingsLabel;         // static IDC_RINGS_LABEL
    int m_bCallerId = 0;                 // check box IDC_CALLER_ID, 0 or 1
    std::string m_strInactivityLabel;    // static IDC_INACTIVITY_LABEL
    int m_nInactivityTimer = 0;          // edit IDC_INACTIVITY_TIMER, minutes

private:
    // The rings field and its label are usable exactly while auto answer is checked.
    void EnableRingsToAnswer();

    DECLARE_MESSAGE_MAP()
};
