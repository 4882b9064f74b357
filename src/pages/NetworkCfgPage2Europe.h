// The MSN page: the multiple subscriber numbers of a switch that is not North American, each
// with its sub-address. The page edits a number and a sub-address apart; the configuration keeps
// each pair as one value "number:sub-address". Only this numbering scheme is sent while the page
// is used; a channel whose TEI is "Disabled" has its fields greyed and its number not sent.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

// Splits a stored value at its first ':' into the number before and the sub-address after it.
// A value without ':', or with ':' first, is all number (the sub-address becomes empty). An
// empty value leaves both outputs as they are.
void SplitNumberSubAddress(const std::string& stored, std::string& number, std::string& subAddress);
// "number:sub-address", the number alone when the sub-address is empty, and empty when the
// number is (a sub-address without a number is dropped).
std::string JoinNumberSubAddress(const std::string& number, const std::string& subAddress);

class CNetworkCfgPage2Europe : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_MSN_NUMBERS;

    CNetworkCfgPage2Europe();

    // Models 7, 8 and 9 have no second data number (its fields are hidden) and label the fields
    // by position; the stored values into the fields.
    BOOL OnInitDialog() override;
    // Switches the SPID page's numbers off and the fields and numbers of each channel on or off
    // by its TEI (the second data number always off for models 7, 8 and 9), then shows the
    // stored values as they are now: a configuration loaded since the last visit shows its own
    // numbers, and an empty stored value empties both of its fields.
    BOOL OnSetActive() override;
    // To the data protocol page on the express route, to the call control page otherwise.
    LRESULT OnWizardNext() override;
    // On the express route back to where it came from: the setup type page for models 7, 8 and
    // 9, the bandwidth page for the others; otherwise the TEI page.
    LRESULT OnWizardBack() override;
    // Whenever the page is left: the enabled fields are trimmed of blanks and limited to the
    // length of their number's parameter; the pairs are joined into the stored values (PELLOR-S
    // keeps no sub-addresses); the stored value of each enabled number is checked for its length
    // and its characters. The first failure shows its message and keeps the page on that field.
    void DoDataExchange(CDataExchange* pDX) override;

    int m_bForward = 1;                // 1 after Next, 0 after Back
    std::string m_strDataMSN;          // stored data MSN, "number:sub-address"
    std::string m_strDataMSN2;         // stored second data MSN
    std::string m_strVoiceMSN;         // stored voice MSN
    std::string m_strIntro;            // static IDC_MSN_INTRO
    std::string m_strDataSubLabel;     // static IDC_DATA_SUB_LABEL
    std::string m_strVoiceNumberLabel; // static IDC_VOICE_MSN_LABEL
    std::string m_strDataNumberLabel;  // static IDC_DATA_MSN_LABEL
    std::string m_strDataSub;          // edit IDC_DATA_SUB
    std::string m_strDataNumber;       // edit IDC_DATA_MSN
    std::string m_strVoiceSubLabel;    // static IDC_VOICE_SUB_LABEL
    std::string m_strVoiceSub;         // edit IDC_VOICE_SUB
    std::string m_strVoiceNumber;      // edit IDC_VOICE_MSN
    std::string m_strDataNumber2Label; // static IDC_DATA_MSN2_LABEL
    std::string m_strDataNumber2;      // edit IDC_DATA_MSN2
    std::string m_strDataSub2Label;    // static IDC_DATA_SUB2_LABEL
    std::string m_strDataSub2;         // edit IDC_DATA_SUB2
    std::string m_strNote;             // static IDC_MSN_NOTE

private:
    // Exchanges one edit field; an enabled one is limited to `maxChars` characters and trimmed.
    void ExchangeField(CDataExchange* pDX, int controlId, std::string& value, int maxChars);
    // Each stored value into its number and sub-address fields (the members); an empty stored
    // value empties both.
    void SplitStoredValues();

    DECLARE_MESSAGE_MAP()
};
