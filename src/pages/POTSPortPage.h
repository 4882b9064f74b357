// The POTS port page: the adapter's analogue telephone port. Adapters of model 7, 8 and 9 have
// none, and the routes never show the page for them.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPOTSPortPage : public CCfgPage
{
public:
    static constexpr UINT IDD = 183;

    CPOTSPortPage();

    // Loads the labels and fills the five lists, then moves the members to the controls. The
    // dial tone list is chosen here, once, from the dialing method of the call control page at
    // this moment: without "Use Central Office Dial Tone" for "Enbloc", with it otherwise.
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // 0 (the save page) when the configuration was modified; otherwise the load page (-1).
    LRESULT OnWizardNext() override;

    std::string m_strRingSignalLabel;  // static 1170
    int m_nDialToneGain = 0;           // edit 1174
    std::string m_strGainLabel;        // static 1168
    std::string m_strSuppressionLabel; // static 1169
    std::string m_strDialToneLabel;    // static 1166
    std::string m_strRingFreqLabel;    // static 1165
    std::string m_strPulseLabel;       // static 1167
    std::string m_strPulseRecognition; // combo 1173
    std::string m_strRingSignal;       // combo 1176
    std::string m_strDialTone;         // combo 1172
    std::string m_strSuppression;      // combo 1175
    std::string m_strRingFrequency;    // combo 1171

protected:
    // Leaving the page (by Next or by Back) refuses a gain that is not an integer, then one
    // outside its parameter's range. Every exchange, filling the controls included, ends with
    // the En-bloc rule: dial tone "Use Central Office Dial Tone" with dialing method "Enbloc"
    // shows its message and fails, so that the page stays when it is being left.
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

private:
    // The dialing method of the call control page is "Enbloc" (exactly, in this letter case).
    bool IsEnblocDialing() const;
};
