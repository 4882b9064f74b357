// The POTS port page: the adapter's analogue telephone port. Adapters of model 7, 8 and 9 have
// none, and the routes never show the page for them.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CPOTSPortPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_POTS_PORT;

    CPOTSPortPage();

    // Fills the five lists. The dial tone list is chosen here, once, from the dialing method of
    // the call control page at this moment: without "Use Central Office Dial Tone" for "Enbloc",
    // with it otherwise.
    BOOL OnInitDialog() override;
    // 0 (the save page) when the configuration was modified; otherwise the load page (-1).
    LRESULT OnWizardNext() override;

    std::string m_strRingSignalLabel;  // static IDC_RING_SIGNAL_LABEL
    int m_nDialToneGain = 0;           // edit IDC_DIAL_TONE_GAIN
    std::string m_strGainLabel;        // static IDC_DIAL_TONE_GAIN_LABEL
    std::string m_strSuppressionLabel; // static IDC_DIAL_TONE_SUPPRESSION_LABEL
    std::string m_strDialToneLabel;    // static IDC_DIAL_TONE_LABEL
    std::string m_strRingFreqLabel;    // static IDC_RING_FREQUENCY_LABEL
    std::string m_strPulseLabel;       // static IDC_PULSE_RECOGNITION_LABEL
    std::string m_strPulseRecognition; // combo IDC_PULSE_RECOGNITION
    std::string m_strRingSignal;       // combo IDC_RING_SIGNAL
    std::string m_strDialTone;         // combo IDC_DIAL_TONE
    std::string m_strSuppression;      // combo IDC_DIAL_TONE_SUPPRESSION
    std::string m_strRingFrequency;    // combo IDC_RING_FREQUENCY

protected:
    // Leaving the page (by Next or by Back) refuses a gain that is not an integer, then one
    // outside its parameter's range. Every exchange, filling the controls included, ends with
    // the En-bloc rule: dial tone "Use Central Office Dial Tone" with dialing method "Enbloc"
    // shows its message and fails, so that the page stays when it is being left.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The dialing method of the call control page is "Enbloc" (exactly, in this letter case).
    bool IsEnblocDialing() const;
};
