// The stored numbers page: the ten numbers the adapter keeps in its memory. Number 0 is the one
// persistent DTR dialing calls. An empty number is not sent to the adapter.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CStoredNumbersPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_STORED_NUMBERS;

    CStoredNumbersPage();

    // Element i: stored number i, edit IDC_STORED_NUMBER_0 + i, and its label, static
    // IDC_STORED_NUMBER_LABEL_0 + i.
    std::string m_strNumber[kStoredNumberCount];
    std::string m_strDigitLabel[kStoredNumberCount];
    std::string m_strIntro; // static IDC_NUMBERS_INTRO
    std::string m_strNote;  // static IDC_NUMBERS_NOTE

protected:
    // Leaving the page (by Next or by Back) trims each number of blanks at both ends, checks
    // its characters and switches its parameter on exactly when it is not empty, number 0
    // first. A number that fails keeps the page; the numbers before it are already trimmed and
    // switched, the ones after it hold their untrimmed texts and keep their switches.
    void DoDataExchange(CDataExchange* pDX) override;
};
