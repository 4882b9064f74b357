// The stored numbers page: the ten numbers the adapter keeps in its memory. Number 0 is the one
// persistent DTR dialing calls. An empty number is not sent to the adapter.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CStoredNumbersPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 139;

    CStoredNumbersPage();

    // Loads the labels, the introduction and the note, then moves the members to the controls.
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    std::string m_strNumber[10];     // element i is stored number i, edit 1012 + i
    std::string m_strDigitLabel[10]; // element i labels number i, static 1097 + i
    std::string m_strIntro;          // static 1094
    std::string m_strNote;           // static 1107

protected:
    // Leaving the page (by Next or by Back) trims each number of blanks at both ends, checks
    // its characters and switches its parameter on exactly when it is not empty, number 0
    // first. A number that fails keeps the page; the numbers before it are already trimmed and
    // switched, the ones after it hold their untrimmed texts and keep their switches.
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
